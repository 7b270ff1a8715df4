// PASTE: the clipboard into the link box and the NEW LINK form.
#pragma once

void action_paste_link();
