#include "common/LineBuffer.h"

#include <gtest/gtest.h>

using fw::LineBuffer;

struct SplitCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

class LineBufferSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(LineBufferSplit, splitsAtEveryKindOfLineEnd) {
  EXPECT_EQ(LineBuffer::fromBytes(GetParam().bytes).lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, LineBufferSplit,
                         testing::Values(SplitCase{"empty", "", {}}, SplitCase{"noFinalEnd", "a", {"a"}},
                                         SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
                                         SplitCase{"lf", "a\nb\n", {"a", "b"}},
                                         SplitCase{"cr", "a\rb\r", {"a", "b"}},
                                         SplitCase{"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                                         SplitCase{"crThenCrlf", "\r\r\n", {"", ""}},
                                         SplitCase{"lfThenCr", "\n\r", {"", ""}},
                                         SplitCase{"blankLines", "a\r\n\r\n\r\n", {"a", "", ""}},
                                         SplitCase{"onlyCrlf", "\r\n", {""}},
                                         SplitCase{"highBytesAndNul",
                                                   std::string("\xC0\xFF\x98\0x\r\n", 7),
                                                   {std::string("\xC0\xFF\x98\0x", 5)}},
                                         SplitCase{"tabsKept", "a\t\tb \r\n", {"a\t\tb "}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LineBuffer, savesEveryLineWithCrLf) {
  EXPECT_EQ(LineBuffer({"a", "", "b"}).toBytes(), "a\r\n\r\nb\r\n");
  EXPECT_EQ(LineBuffer().toBytes(), "");
  EXPECT_EQ(LineBuffer({""}).toBytes(), "\r\n");
}

TEST(LineBuffer, loadThenSaveIsExactUpToLineEnds) {
  const std::string original = "x\r\ny\nz\rw";
  EXPECT_EQ(LineBuffer::fromBytes(original).toBytes(), "x\r\ny\r\nz\r\nw\r\n");
  const std::string crlf = "x\r\n\xE0\xE1\r\n\t \r\n";
  EXPECT_EQ(LineBuffer::fromBytes(crlf).toBytes(), crlf);
}

TEST(LineBuffer, keepsLongLinesWhole) {
  const std::string longLine(100000, 'q');
  LineBuffer b = LineBuffer::fromBytes(longLine + "\r\nend");
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b.at(0).size(), 100000u);
  EXPECT_EQ(b.at(1), "end");
}

TEST(LineBuffer, indexOutsideReadsAsEmptyText) {
  LineBuffer b{"only"};
  EXPECT_EQ(b.at(0), "only");
  EXPECT_EQ(b.at(1), "");
  EXPECT_EQ(b.at(-1), "");
  EXPECT_EQ(b.at(INT64_MAX), "");
}

TEST(LineBuffer, insertAndEraseKeepTheOtherLines) {
  LineBuffer b{"a", "b", "c"};
  b.erase(1);
  b.insert(1, "B");
  EXPECT_EQ(b, (LineBuffer{"a", "B", "c"}));
  b.insert(99, "tail");
  EXPECT_EQ(b.at(3), "tail");
  b.erase(99);
  EXPECT_EQ(b.size(), 4u);
}

// The plain one-byte-at-a-time reading of the line-end rule, against which the fast splitter is
// checked on every short mix of text and line ends.
static std::vector<std::string> referenceSplit(const std::string& bytes) {
  std::vector<std::string> out;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    out.push_back(line);
    line.clear();
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  if (!line.empty()) out.push_back(line);
  return out;
}

TEST(LineBuffer, splitsEveryShortMixLikeTheRule) {
  const char alphabet[] = {'a', '\r', '\n'};
  for (int length = 0; length <= 7; ++length) {
    int combinations = 1;
    for (int i = 0; i < length; ++i)
      combinations *= 3;
    for (int n = 0; n < combinations; ++n) {
      std::string bytes;
      for (int i = 0, k = n; i < length; ++i, k /= 3)
        bytes += alphabet[k % 3];
      ASSERT_EQ(LineBuffer::fromBytes(bytes).lines(), referenceSplit(bytes)) << testing::PrintToString(bytes);
    }
  }
}
