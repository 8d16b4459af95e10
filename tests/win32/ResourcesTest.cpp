// The program's resources (korvanel.rc) linked into this test and read back
// at run time: icon, version record and manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

#include "KorvanelResources.h"

namespace korvanel {
namespace {

constexpr WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

HMODULE Self() { return GetModuleHandleW(nullptr); }

// The bytes of a resource of this executable, or nothing.
std::vector<std::uint8_t> ResourceBytes(LPCWSTR type, LPCWSTR name, WORD language) {
  HRSRC found = FindResourceExW(Self(), type, name, language);
  if (found == nullptr) return {};
  const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(Self(), found)));
  if (data == nullptr) return {};
  return {data, data + SizeofResource(Self(), found)};
}

#pragma pack(push, 2)
struct IconGroupHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
struct IconGroupEntry {
  BYTE width;
  BYTE height;
  BYTE colorCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

struct IconImage {
  int width;
  int height;
  int colors;
  bool operator==(const IconImage&) const = default;
};

std::ostream& operator<<(std::ostream& out, const IconImage& image) {
  return out << image.width << "x" << image.height << " in " << image.colors << " colours";
}

TEST(IconTest, IconGroupHoldsTheThreeImages) {
  const std::vector<std::uint8_t> group =
      ResourceBytes(RT_GROUP_ICON, MAKEINTRESOURCEW(KORVANEL_ICON), kUsEnglish);
  ASSERT_GE(group.size(), sizeof(IconGroupHeader));
  IconGroupHeader header;
  std::memcpy(&header, group.data(), sizeof header);
  EXPECT_EQ(header.type, 1) << "an icon, not a cursor";
  ASSERT_EQ(group.size(), sizeof header + header.count * sizeof(IconGroupEntry));

  std::vector<IconImage> images;
  for (WORD i = 0; i < header.count; ++i) {
    IconGroupEntry entry;
    std::memcpy(&entry, group.data() + sizeof header + i * sizeof entry, sizeof entry);
    images.push_back({entry.width, entry.height, 1 << entry.bitCount});
    // Each entry names an image that Windows can turn into an icon.
    const std::vector<std::uint8_t> bits =
        ResourceBytes(RT_ICON, MAKEINTRESOURCEW(entry.id), kUsEnglish);
    ASSERT_EQ(bits.size(), entry.bytes) << images.back();
    HICON icon =
        CreateIconFromResourceEx(const_cast<BYTE*>(bits.data()), static_cast<DWORD>(bits.size()),
                                 TRUE, 0x00030000, entry.width, entry.height, LR_DEFAULTCOLOR);
    EXPECT_NE(icon, nullptr) << images.back();
    if (icon != nullptr) DestroyIcon(icon);
  }
  EXPECT_EQ(images, (std::vector<IconImage>{{32, 32, 2}, {32, 32, 16}, {16, 16, 16}}));
}

TEST(IconTest, LoadsAsTheProgramIconInBothSizes) {
  HICON large = LoadIconW(Self(), MAKEINTRESOURCEW(KORVANEL_ICON));
  ASSERT_NE(large, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(large, &info));
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, 32);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);

  HANDLE small = LoadImageW(Self(), MAKEINTRESOURCEW(KORVANEL_ICON), IMAGE_ICON, 16, 16, 0);
  ASSERT_NE(small, nullptr);
  DestroyIcon(static_cast<HICON>(small));
}

class VersionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    const DWORD size = GetFileVersionInfoSizeW(path, nullptr);
    ASSERT_GT(size, 0u) << "no version record";
    record_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, record_.data()));
  }

  std::wstring Text(const std::wstring& name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = L"\\StringFileInfo\\040904B0\\" + name;
    if (!VerQueryValueW(record_.data(), key.c_str(), &value, &length) || length == 0) {
      return L"(missing)";
    }
    return static_cast<const wchar_t*>(value);
  }

  std::vector<std::uint8_t> record_;
};

TEST_F(VersionTest, NamesAndVersionsInUsEnglish) {
  EXPECT_EQ(Text(L"ProductName"), L"Korvanel");
  EXPECT_EQ(Text(L"InternalName"), L"Korvanel");
  EXPECT_EQ(Text(L"FileDescription"), L"Korvanel") << "the name the shell shows";
  EXPECT_EQ(Text(L"FileVersion"), L"1.00");
  EXPECT_EQ(Text(L"ProductVersion"), L"1.00");
}

TEST_F(VersionTest, TranslationIsUsEnglishUnicode) {
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record_.data(), L"\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(length, 2 * sizeof(WORD));
  const auto* translation = static_cast<const WORD*>(value);
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 1200);
}

TEST_F(VersionTest, NumericVersionIsOnePointZero) {
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record_.data(), L"\\", &value, &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(ManifestTest, IsEmbeddedForTheProcess) {
  const std::vector<std::uint8_t> manifest =
      ResourceBytes(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID, kUsEnglish);
  const std::string text(manifest.begin(), manifest.end());
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos)
      << "Windows 10 and 11 as supported systems";
  EXPECT_NE(text.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
  EXPECT_NE(text.find(">true/pm</dpiAware>"), std::string::npos) << "per monitor on Windows 8.1";
}

// The manifest's dependency makes the loader take comctl32.dll from the side-by-side
// assembly of the common controls 6 (the plain system one is version 5).
TEST(ManifestTest, ProcessGetsCommonControlsSix) {
  ACTCTX_SECTION_KEYED_DATA redirection{};
  redirection.cbSize = sizeof redirection;
  EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                       L"comctl32.dll", &redirection));
  HMODULE controls = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(controls, nullptr);
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(controls, path, MAX_PATH), 0u);
  std::wstring lower(path);
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  EXPECT_NE(lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
            std::wstring::npos)
      << "loaded " << std::string(lower.begin(), lower.end());
}

// Wine 8 knows no PerMonitorV2 and makes every program per-monitor aware,
// whatever its manifest asks; Wine 10 follows the manifest, as Windows does.
TEST(ManifestTest, ProcessIsPerMonitorDpiAware) {
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
            DPI_AWARENESS_PER_MONITOR_AWARE);
  if (IsValidDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
    EXPECT_TRUE(AreDpiAwarenessContextsEqual(GetThreadDpiAwarenessContext(),
                                             DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2));
  }
}

}  // namespace
}  // namespace korvanel
