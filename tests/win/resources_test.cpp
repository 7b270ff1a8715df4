// What the executable carries: the three Inter faces and the icon group in every size the shell uses.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/win/test_support.h"

static std::string launcher_exe()
{
    std::string path = LARK_LAUNCHER_EXE;
    if (!path.empty() && path[0] == '/') {   // a Linux path seen through Wine's drive for "/"
        std::replace(path.begin(), path.end(), '/', '\\');
        path = "Z:" + path;
    }
    return path;
}

struct LoadedImage {
    HMODULE module = nullptr;
    explicit LoadedImage(const std::string& path)
        : module(LoadLibraryExW(to_utf16(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~LoadedImage() { if (module) FreeLibrary(module); }
};

#pragma pack(push, 2)
struct IconDirEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
struct IconDir {
    WORD reserved, type, count;
    IconDirEntry entries[1];
};
#pragma pack(pop)

TEST(Resources, FontFacesAreWholeOpenTypeFiles)
{
    LoadedImage exe(launcher_exe());
    ASSERT_TRUE(exe.module) << launcher_exe();
    for (int id : {201, 202, 203}) {
        HRSRC res = FindResourceW(exe.module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));   // RT_RCDATA
        ASSERT_TRUE(res) << id;
        DWORD size = SizeofResource(exe.module, res);
        const unsigned char* data = (const unsigned char*)LockResource(LoadResource(exe.module, res));
        ASSERT_TRUE(data) << id;
        EXPECT_GT(size, 100000u) << id;
        // "OTTO" (CFF outlines) or 0x00010000 (TrueType outlines) opens every OpenType file.
        bool otto = memcmp(data, "OTTO", 4) == 0, ttf = memcmp(data, "\0\1\0\0", 4) == 0;
        EXPECT_TRUE(otto || ttf) << id;
    }
}

TEST(Resources, IconGroupHoldsEverySize)
{
    LoadedImage exe(launcher_exe());
    ASSERT_TRUE(exe.module);
    HRSRC res = FindResourceW(exe.module, MAKEINTRESOURCEW(101), MAKEINTRESOURCEW(14));   // RT_GROUP_ICON
    ASSERT_TRUE(res);
    const IconDir* dir = (const IconDir*)LockResource(LoadResource(exe.module, res));
    ASSERT_TRUE(dir);
    std::vector<int> sizes;
    for (WORD i = 0; i < dir->count; i++) {
        const IconDirEntry& e = dir->entries[i];
        sizes.push_back(e.width == 0 ? 256 : e.width);
        EXPECT_EQ(e.bits, 32);
        EXPECT_TRUE(FindResourceW(exe.module, MAKEINTRESOURCEW(e.id), MAKEINTRESOURCEW(3)));   // RT_ICON
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
    HICON icon = (HICON)LoadImageW(exe.module, MAKEINTRESOURCEW(101), IMAGE_ICON, 32, 32, 0);
    EXPECT_TRUE(icon);
    if (icon) DestroyIcon(icon);
}
