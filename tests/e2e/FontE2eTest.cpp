// The title font as the program puts it in place: written once into a fresh fonts folder, never
// over an entry of its name, silently skipped while the folder cannot be written, and drawn by the
// title label once it is there.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "MainWindowFixture.h"

namespace e2e {
namespace {

std::wstring fontsFolder() {
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  return std::wstring(windows) + L"\\Fonts";
}

std::wstring fontPath() {
  return fontsFolder() + L"\\迷你简稚艺_0.ttf";
}

void writeFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

// Removes whatever entry of the font's name is there, file or directory.
void clearFontEntry() {
  SetFileAttributesW(fontPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(fontPath().c_str());
  RemoveDirectoryW(fontPath().c_str());
  ASSERT_EQ(GetFileAttributesW(fontPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

// Starts Morvane, checks that MainWindow opens with no other window (no message of any kind)
// and closes it again.
void startAndClose(const char* why) {
  SCOPED_TRACE(why);
  Morvane program;
  HWND main = program.waitForMainWindow();
  ASSERT_NE(main, nullptr) << "MainWindow never opened";
  EXPECT_EQ(visibleWindows(program.pid()), std::vector<HWND>{main});
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.waitForExit(), 0u);
}

TEST(TitleFont, AFreshFontsFolderGetsTheCarriedFontByteForByte) {
  clearFontEntry();
  std::string carried = carriedTitleFont();
  ASSERT_GT(carried.size(), 1000000u);
  ASSERT_EQ(carried.compare(0, 4, std::string("\0\1\0\0", 4)), 0) << "a TrueType font";
  startAndClose("fresh fonts folder");
  EXPECT_EQ(fileBytes(fontPath()), carried);
  DWORD attributes = GetFileAttributesW(fontPath().c_str());
  EXPECT_FALSE(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                             FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY));
}

struct ExistingEntry {
  const char* name;
  void (*make)();
  void (*check)();
};

class ExistingEntries : public ::testing::TestWithParam<ExistingEntry> {};

TEST_P(ExistingEntries, AreNeverTouched) {
  clearFontEntry();
  GetParam().make();
  startAndClose(GetParam().name);
  GetParam().check();
  clearFontEntry();
}

INSTANTIATE_TEST_SUITE_P(
    TitleFont, ExistingEntries,
    ::testing::Values(ExistingEntry{"OtherContent", [] { writeFile(fontPath(), "not a font"); },
                                    [] { EXPECT_EQ(fileBytes(fontPath()), "not a font"); }},
                      ExistingEntry{"EmptyLeftByAnEarlierFailure",
                                    [] { writeFile(fontPath(), ""); },
                                    [] { EXPECT_EQ(fileBytes(fontPath()), ""); }},
                      ExistingEntry{"ReadOnlyFile",
                                    [] {
                                      writeFile(fontPath(), "read-only");
                                      SetFileAttributesW(fontPath().c_str(),
                                                         FILE_ATTRIBUTE_READONLY);
                                    },
                                    [] {
                                      EXPECT_EQ(fileBytes(fontPath()), "read-only");
                                      EXPECT_TRUE(GetFileAttributesW(fontPath().c_str()) &
                                                  FILE_ATTRIBUTE_READONLY);
                                    }},
                      ExistingEntry{"Directory",
                                    [] {
                                      CreateDirectoryW(fontPath().c_str(), nullptr);
                                      writeFile(fontPath() + L"\\inside.txt", "kept");
                                    },
                                    [] {
                                      EXPECT_TRUE(GetFileAttributesW(fontPath().c_str()) &
                                                  FILE_ATTRIBUTE_DIRECTORY);
                                      EXPECT_EQ(fileBytes(fontPath() + L"\\inside.txt"), "kept");
                                      DeleteFileW((fontPath() + L"\\inside.txt").c_str());
                                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TitleFont, ALockedFileCountsAsPresent) {
  clearFontEntry();
  writeFile(fontPath(), "locked");
  HANDLE locked =
      CreateFileW(fontPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  startAndClose("locked file");
  CloseHandle(locked);
  EXPECT_EQ(fileBytes(fontPath()), "locked");
  clearFontEntry();
}

// The fonts folder made unwritable on the Unix side: Wine ignores Windows permissions and these
// tests run as root, so the folder is marked immutable, which stops root too.
class ImmutableFolder {
 public:
  explicit ImmutableFolder(const std::wstring& folder) : folder_(unixPath(folder)) {
    chattr(L"+i");
  }
  ~ImmutableFolder() { release(); }
  void release() {
    if (!folder_.empty()) chattr(L"-i");
    folder_.clear();
  }
  bool writable() const {
    std::wstring probe = fontsFolder() + L"\\probe.tmp";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    DeleteFileW(probe.c_str());
    return true;
  }

 private:
  static std::wstring unixPath(const std::wstring& path) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    char* unix = toUnix(path.c_str());
    std::string narrow = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return std::wstring(narrow.begin(), narrow.end());
  }
  // Wine starts a Unix program when CreateProcess is given one.
  void chattr(const std::wstring& flag) {
    std::wstring command = L"Z:\\usr\\bin\\chattr " + flag + L" \"" + folder_ + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
      WaitForSingleObject(process.hProcess, 5000);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    bool wantWritable = flag == L"-i";
    waitUntil([&] { return writable() == wantWritable; }, 5000);
  }
  std::wstring folder_;
};

TEST(TitleFont, AnUnwritableFolderIsPassedOverSilentlyAndTriedAgainAtTheNextStart) {
  clearFontEntry();
  {
    ImmutableFolder locked(fontsFolder());
    // chattr needs root and a file system that keeps the immutable flag (ext2/3/4, XFS, Btrfs).
    if (locked.writable()) GTEST_SKIP() << "the fonts folder cannot be made unwritable here";
    startAndClose("fonts folder not writable");
    EXPECT_EQ(GetFileAttributesW(fontPath().c_str()), INVALID_FILE_ATTRIBUTES)
        << "nothing, not even an empty file, is left behind";
    EXPECT_EQ(GetFileAttributesW((buildFolder() + L"\\迷你简稚艺_0.ttf").c_str()),
              INVALID_FILE_ATTRIBUTES);
  }
  startAndClose("fonts folder writable again");
  EXPECT_EQ(fileBytes(fontPath()), carriedTitleFont());
}

// The face that the title label's font maps to, and the title's pixels.
struct TitleLook {
  std::string face;
  std::vector<COLORREF> pixels;
};

TitleLook lookAtTitle() {
  TitleLook look;
  Morvane program;
  HWND main = program.waitForMainWindow();
  if (!main) {
    ADD_FAILURE() << "MainWindow never opened";
    return look;
  }
  HWND title = childrenFrontToBack(main)[2];
  std::vector<std::string> face = byWindow(inspect(program), "face")[title];
  if (face.size() == 2) look.face = face[1];
  moveMouse({5, 5});
  Sleep(200);
  Screenshot screen;
  RECT area;
  GetWindowRect(title, &area);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) look.pixels.push_back(screen.at(x, y));
  PostMessageW(main, WM_CLOSE, 0, 0);
  program.waitForExit();
  return look;
}

TEST(TitleFont, TheTitleIsDrawnInItsFaceFromTheStartAfterItWasWritten) {
  clearFontEntry();
  CreateDirectoryW(fontPath().c_str(), nullptr);  // present, so nothing is written
  TitleLook fallback = lookAtTitle();
  clearFontEntry();
  startAndClose("writes the font");
  TitleLook drawn = lookAtTitle();
  EXPECT_NE(fallback.face, "迷你简稚艺");
  EXPECT_EQ(drawn.face, "迷你简稚艺");
  ASSERT_EQ(drawn.pixels.size(), fallback.pixels.size());
  EXPECT_NE(drawn.pixels, fallback.pixels) << "the title looks the same in both faces";
}

}  // namespace
}  // namespace e2e
