#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "framework/Scoped.h"
#include "media/ShellUtil.h"
#include "media/directshow/DirectShowServices.h"
#include "support/TestSupport.h"

namespace {
std::string WriteFileOf(const std::string& path, size_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes(size, 'z');
    DWORD written = 0;
    if (size) WriteFile(file, bytes.data(), static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
    return path;
}

std::wstring Wide(const std::string& text) {
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH);
    return wide;
}

// Saves a shell link the way the shell itself writes them.
bool SaveLink(const std::string& linkPath, const char* target, LPITEMIDLIST itemList = nullptr) {
    ScopedCom<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.OutVoid())))
        return false;
    if (target && FAILED(link->SetPath(target))) return false;
    if (itemList && FAILED(link->SetIDList(itemList))) return false;
    ScopedCom<IPersistFile> persist;
    if (FAILED(link->QueryInterface(IID_IPersistFile, persist.OutVoid()))) return false;
    return SUCCEEDED(persist->Save(Wide(linkPath).c_str(), TRUE));
}

class RefusingShellServices : public DirectShowServices {
public:
    int linksAsked = 0;
    HRESULT CreateShellLink(IShellLinkA** link) override {
        ++linksAsked;
        *link = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
};
}  // namespace

TEST(ShellUtilFileName, BaseNameAndExtensionOnly) {
    char out[MAX_PATH];
    ASSERT_TRUE(FileNameOfPath("C:\\movies\\clip.avi", out, sizeof(out)));
    EXPECT_STREQ("clip.avi", out);
    ASSERT_TRUE(FileNameOfPath("D:clip", out, sizeof(out)));
    EXPECT_STREQ("clip", out);
    ASSERT_TRUE(FileNameOfPath("\\\\server\\share\\a.b.c", out, sizeof(out)));
    EXPECT_STREQ("a.b.c", out);
    EXPECT_FALSE(FileNameOfPath(nullptr, out, sizeof(out)));
    EXPECT_FALSE(FileNameOfPath("a.avi", nullptr, 10));

    char small[5] = "xxxx";
    EXPECT_FALSE(FileNameOfPath("C:\\clip.avi", small, sizeof(small)));
    EXPECT_STREQ("", small);
}

TEST(ShellUtilFileName, DoubleByteNames) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    char out[MAX_PATH];
    ASSERT_TRUE(FileNameOfPath("C:\\\x93\xae\x89\xe6\\\x95\x5c.avi", out, sizeof(out)));
    EXPECT_STREQ("\x95\x5c.avi", out);
}

TEST(ShellUtilFileSize, SizeOfFilesThatExist) {
    std::string folder = TestScratchFolder("shellutil-size");
    EXPECT_EQ(0.0, FileSize((folder + "\\missing.bin").c_str()));
    EXPECT_EQ(0.0, FileSize(nullptr));
    EXPECT_EQ(0.0, FileSize(folder.c_str()));
    EXPECT_EQ(12345.0, FileSize(WriteFileOf(folder + "\\data.bin", 12345).c_str()));
    EXPECT_EQ(0.0, FileSize(WriteFileOf(folder + "\\empty.bin", 0).c_str()));
}

TEST(ShellUtilPathBesideExecutable, KeepsTheFolderAndDropsTheName) {
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string expected = module;
    expected = expected.substr(0, expected.find_last_of('\\') + 1) + "help.htm";

    char out[MAX_PATH];
    ASSERT_TRUE(PathBesideExecutable("help.htm", out));
    EXPECT_EQ(expected, out);
    EXPECT_FALSE(PathBesideExecutable(nullptr, out));
    EXPECT_FALSE(PathBesideExecutable("help.htm", nullptr));

    std::string tooLong(MAX_PATH, 'n');
    memcpy(out, "kept", 5);
    EXPECT_FALSE(PathBesideExecutable(tooLong.c_str(), out));
    EXPECT_STREQ("kept", out);
}

TEST(ShellUtilResolveShortcut, LinkToARealFileGivesItsTarget) {
    std::string folder = TestScratchFolder("shellutil-link");
    std::string target = WriteFileOf(folder + "\\Movie.AVI", 10);
    std::string link = folder + "\\movie.lnk";
    ASSERT_TRUE(SaveLink(link, target.c_str()));

    char out[MAX_PATH] = "unchanged";
    ASSERT_TRUE(ResolveShortcut(link.c_str(), out));
    EXPECT_EQ(0, lstrcmpiA(target.c_str(), out)) << out;
}

TEST(ShellUtilResolveShortcut, WhatIsNoFileLinkFailsAndLeavesTheOutputAlone) {
    std::string folder = TestScratchFolder("shellutil-badlink");
    std::string notALink = folder + "\\fake.lnk";
    HANDLE file = CreateFileA(notALink.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "not a shell link at all", 23, &written, nullptr);
    CloseHandle(file);

    char out[MAX_PATH] = "unchanged";
    EXPECT_FALSE(ResolveShortcut((folder + "\\missing.lnk").c_str(), out));
    EXPECT_FALSE(ResolveShortcut(notALink.c_str(), out));
    EXPECT_FALSE(ResolveShortcut(WriteFileOf(folder + "\\empty.lnk", 0).c_str(), out));
    EXPECT_FALSE(ResolveShortcut(nullptr, out));

    // A link to "My Computer" loads, but names no file to open.
    LPITEMIDLIST computer = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer))) {
        std::string folderLink = folder + "\\computer.lnk";
        if (SaveLink(folderLink, nullptr, computer)) {
            EXPECT_FALSE(ResolveShortcut(folderLink.c_str(), out));
        }
        CoTaskMemFree(computer);
    }
    EXPECT_STREQ("unchanged", out);
}

TEST(ShellUtilResolveShortcut, UsesTheInstalledServicesForTheLinkObject) {
    std::string folder = TestScratchFolder("shellutil-services");
    std::string link = folder + "\\movie.lnk";
    ASSERT_TRUE(SaveLink(link, WriteFileOf(folder + "\\movie.avi", 1).c_str()));
    RefusingShellServices services;
    SetDirectShowServices(&services);
    char out[MAX_PATH] = "unchanged";
    bool resolved = ResolveShortcut(link.c_str(), out);
    SetDirectShowServices(nullptr);
    EXPECT_FALSE(resolved);
    EXPECT_EQ(1, services.linksAsked);
    EXPECT_STREQ("unchanged", out);
}

TEST(ShellUtilOwnedString, CopiesReplacesAndFrees) {
    char* slot = nullptr;
    char text[] = "first";
    ASSERT_NE(nullptr, SetOwnedString(&slot, text));
    text[0] = 'X';
    EXPECT_STREQ("first", slot);
    EXPECT_STREQ("second", SetOwnedString(&slot, "second"));
    EXPECT_EQ(nullptr, SetOwnedString(&slot, nullptr));
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(nullptr, SetOwnedString(nullptr, "x"));
}
