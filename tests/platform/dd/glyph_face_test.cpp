#include "platform/dd/glyph_face.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/dd/box_glyph_face.h"
#include "platform/dd/font_file_lookup.h"
#include "platform/dd/full_width_set.h"

namespace {

TEST(GlyphFaceTest, AnUnknownFamilyFallsBackToAnInstalledFont) {
  const std::optional<cFontFile> file = FindFontFile("NoSuchFamilyAnywhere");
  ASSERT_TRUE(file.has_value());
  EXPECT_TRUE(std::filesystem::exists(file->strPath)) << file->strPath;
}

// The installed fonts at the table's three glyph heights: the line fits the
// height asked for, and every mask is exactly one line high, so a glyph never
// reaches into the next line of text.
TEST(GlyphFaceTest, MasksOfTheInstalledFontFitTheAskedHeight) {
  for (int32_t height : {9, 16, 30}) {
    SCOPED_TRACE(height);
    std::unique_ptr<cGlyphFace> face = OpenGlyphFace("ＭＳ ゴシック", height);
    ASSERT_NE(face, nullptr);
    EXPECT_LE(face->LineHeight(), height);
    EXPECT_GE(face->LineHeight(), height - 4);  // the largest size that fits, not a small one
    for (int32_t i = 0; i < kFullWidthSetCount; ++i) {
      const cGlyphMask* mask = face->Glyph(kFullWidthSet + 2 * i, 2);
      ASSERT_NE(mask, nullptr) << "character " << i;
      EXPECT_EQ(mask->nHeight, face->LineHeight()) << "character " << i;
    }
    for (int c = 0x21; c < 0x7F; ++c) {
      const char byte = static_cast<char>(c);
      const cGlyphMask* mask = face->Glyph(&byte, 1);
      ASSERT_NE(mask, nullptr) << c;
      EXPECT_EQ(mask->nHeight, face->LineHeight()) << c;
      EXPECT_EQ(mask->covered.size(), static_cast<std::size_t>(mask->nWidth * mask->nHeight));
    }
  }
}

TEST(GlyphFaceTest, CharactersAreRenderedOnceAndUndefinedOnesNotAtAll) {
  std::unique_ptr<cGlyphFace> face = OpenGlyphFace("", 16);
  const cGlyphMask* a = face->Glyph("A", 1);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(face->Glyph("A", 1), a);  // the kept mask
  const cGlyphMask* b = face->Glyph("B", 1);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a->covered, b->covered);
  int32_t covered = 0;
  for (uint8_t v : a->covered) {
    EXPECT_LE(v, 1);  // coverage only: no shades
    covered += v;
  }
  EXPECT_GT(covered, 0);
  EXPECT_EQ(face->Glyph("\x85\x40", 2), nullptr);  // no CP932 character there
  EXPECT_EQ(face->Glyph("\x07", 1), nullptr);
  EXPECT_EQ(face->Glyph("A", 0), nullptr);
}

TEST(GlyphFaceTest, AFactoryReplacesTheFontFiles) {
  SetGlyphFaceFactory([](const char*, int32_t height) { return MakeBoxGlyphFace(height); });
  std::unique_ptr<cGlyphFace> face = OpenGlyphFace("anything", 10);
  SetGlyphFaceFactory({});
  const cGlyphMask* wide = face->Glyph("あ", 2);
  const cGlyphMask* narrow = face->Glyph("A", 1);
  ASSERT_NE(wide, nullptr);
  ASSERT_NE(narrow, nullptr);
  EXPECT_EQ(wide->nWidth, 10);
  EXPECT_EQ(narrow->nWidth, 5);
  EXPECT_EQ(wide->nHeight, 10);
  EXPECT_NE(face->Glyph("い", 2)->covered, wide->covered);
}

}  // namespace
