// What morvane.exe carries as a file: version information, the program icon and the request for
// themed common controls.
#include <gtest/gtest.h>

#include "Driver.h"

namespace e2e {
namespace {

std::wstring exePath() {
  return buildFolder() + L"\\morvane.exe";
}

std::wstring versionString(const std::vector<char>& block, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  std::wstring key = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
  if (!VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
    return L"<missing>";
  return std::wstring(value, length ? length - 1 : 0);
}

TEST(ProgramFile, VersionInformationIsOneDotZeroInSimplifiedChinese) {
  DWORD size = GetFileVersionInfoSizeW(exePath().c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(exePath().c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);

  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, sizeof(Translation));
  EXPECT_EQ(translation->language, 0x0804);
  EXPECT_EQ(translation->codePage, 1200);

  EXPECT_EQ(versionString(block, L"ProductName"), L"Morvane");
  EXPECT_EQ(versionString(block, L"Comments"), L"Morvane");
  EXPECT_EQ(versionString(block, L"FileVersion"), L"1.0.0.0");
  EXPECT_EQ(versionString(block, L"ProductVersion"), L"1.0.0.0");
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colorCount, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(ProgramFile, DefaultIconHoldsElevenImages) {
  HMODULE exe = LoadLibraryExW(exePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HRSRC group = FindResourceW(exe, L"DEFAULT_ICON", RT_GROUP_ICON);
  ASSERT_NE(group, nullptr) << "icon group DEFAULT_ICON";
  auto* header = static_cast<const WORD*>(LockResource(LoadResource(exe, group)));
  ASSERT_EQ(header[2], 11) << "images in the group";
  auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 3);

  const int expected[][2] = {{16, 4},  {32, 4},  {48, 4},  {16, 8},   {32, 8},  {48, 8},
                             {16, 32}, {32, 32}, {48, 32}, {128, 32}, {256, 32}};
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(i);
    int size = entries[i].width ? entries[i].width : 256;
    EXPECT_EQ(size, expected[i][0]);
    EXPECT_EQ(entries[i].bitCount, expected[i][1]);
    HRSRC image = FindResourceW(exe, MAKEINTRESOURCEW(entries[i].id), RT_ICON);
    ASSERT_NE(image, nullptr);
    auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(exe, image)));
    bool png = SizeofResource(exe, image) > 8 && bytes[0] == 0x89 && bytes[1] == 'P' &&
               bytes[2] == 'N' && bytes[3] == 'G';
    EXPECT_EQ(png, size == 256) << "only the 256-pixel image is PNG-compressed";
  }
  FreeLibrary(exe);
}

TEST(ProgramFile, AsksForVersionSixOfTheCommonControls) {
  HMODULE exe = LoadLibraryExW(exePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HRSRC manifest = FindResourceW(exe, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_NE(manifest, nullptr);
  std::string text(static_cast<const char*>(LockResource(LoadResource(exe, manifest))),
                   SizeofResource(exe, manifest));
  EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_EQ(text.find("dpiAware"), std::string::npos) << "pixels are never scaled";
  FreeLibrary(exe);
}

}  // namespace
}  // namespace e2e
