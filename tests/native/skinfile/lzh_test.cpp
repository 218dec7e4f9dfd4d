// The LZHUF decoder: hand-made streams that pin the classic layout (tree, bit order,
// distance code, leading spaces), round trips through the skin tool's encoder, and the
// tree rebuild.
#include <gtest/gtest.h>

#include <algorithm>

#include "lzh_encoder.h"
#include "skin/file/lzh_tree.h"
#include "skin_fixture.h"

namespace {

std::vector<std::uint8_t> RoundTrip(const std::vector<std::uint8_t>& data, std::int64_t* consumed = nullptr,
                                    std::int64_t* codedSize = nullptr) {
  const std::vector<std::uint8_t> coded = LzhEncode(data);
  const TDecodeResult result = DecodeCoded(coded, static_cast<std::int32_t>(data.size()));
  if (consumed) *consumed = result.Consumed;
  if (codedSize) *codedSize = static_cast<std::int64_t>(coded.size());
  return result.Output;
}

TEST(Lzh, SizeZeroProducesNothingAndReadsNothing) {
  TMemoryStream input(std::vector<std::uint8_t>{0, 0, 0, 0, 0xC5, 0xFE, 0x80});
  input.SetPosition(4);
  TMemoryStream output;
  TLZH lzh(&input, &output);
  lzh.Decode(0);
  EXPECT_EQ(output.Size(), 0);
  EXPECT_EQ(input.Position(), 4);
  EXPECT_TRUE(LzhEncode({}).empty());
  EXPECT_EQ(LzhCompress({}), Bytes(std::string("\0\0\0\0", 4)));
}

// The first symbol of a fresh tree, worked out by hand from the initial tree: the match of
// 60 bytes (symbol 313) has the code 11000101; distance 4000 is the 8-bit prefix 11111110
// for its upper bits 62 and then 100000 for its lower bits 32. It starts at ring position
// 4036 - 4000 - 1 = 35, inside the leading spaces.
TEST(Lzh, HandMadeMatchReachesTheLeadingSpacesAndIsCopiedWhole) {
  const std::vector<std::uint8_t> coded = {0xC5, 0xFE, 0x80};
  TDecodeResult result = DecodeCoded(coded, 60);
  EXPECT_EQ(Text(result.Output), std::string(60, ' '));
  EXPECT_EQ(result.Consumed, 3);
  // Asked for 10 bytes, the match is still copied whole.
  result = DecodeCoded(coded, 10);
  EXPECT_EQ(result.Output.size(), 60u);
}

// With no input left every bit is 0: from a fresh tree that is the path 0,0,0,0,0,0,0,0 to
// leaf 116 ("t"); decoding goes on without error until the size is reached.
TEST(Lzh, MissingInputReadsAsZeroBits) {
  TDecodeResult result = DecodeCoded({}, 1);
  EXPECT_EQ(Text(result.Output), "t");
  result = DecodeCoded({}, 5000);
  EXPECT_GE(result.Output.size(), 5000u);
  EXPECT_EQ(result.Consumed, 0);
  // A stream cut short decodes its beginning correctly.
  const std::vector<std::uint8_t> data = RandomBytes(3000, 5);
  std::vector<std::uint8_t> coded = LzhEncode(data);
  coded.resize(coded.size() / 2);
  result = DecodeCoded(coded, 3000);
  ASSERT_GE(result.Output.size(), 3000u);
  EXPECT_TRUE(std::equal(data.begin(), data.begin() + 1000, result.Output.begin()));
}

TEST(Lzh, RoundTripsOfSmallAndBoundarySizes) {
  // Sizes around the look-ahead, the leading spaces and the ring.
  for (size_t size : {1u, 2u, 3u, 59u, 60u, 61u, 4035u, 4036u, 4037u, 4095u, 4096u, 4097u, 8193u}) {
    const std::vector<std::uint8_t> data = RandomBytes(size, static_cast<unsigned>(size));
    std::int64_t consumed = 0, codedSize = 0;
    EXPECT_EQ(RoundTrip(data, &consumed, &codedSize), data) << size;
    EXPECT_EQ(consumed, codedSize) << size;
  }
  EXPECT_EQ(RoundTrip(Bytes("a")), Bytes("a"));
  EXPECT_EQ(RoundTrip(Bytes("abcabcabcabc")), Bytes("abcabcabcabc"));
}

TEST(Lzh, RepetitiveInputCompressesWellAndRoundTrips) {
  std::vector<std::uint8_t> same(1 << 20, 'a');
  std::int64_t consumed = 0, codedSize = 0;
  EXPECT_EQ(RoundTrip(same, &consumed, &codedSize), same);
  EXPECT_EQ(consumed, codedSize);
  EXPECT_LT(codedSize, 1 << 20 >> 5);  // a match of 60 bytes costs about 11 bits

  // Spaces first: the coder matches them against the ring's leading spaces at once.
  std::vector<std::uint8_t> spaces(100, ' ');
  spaces.push_back('x');
  EXPECT_EQ(RoundTrip(spaces, nullptr, &codedSize), spaces);
  EXPECT_LE(codedSize, 6);

  std::string text;
  for (int i = 0; i < 20000; ++i) text += "[Buttons]\r\nBitmap=buttons.bmp\r\nFrame=" + std::to_string(i % 7) + "\r\n";
  const std::vector<std::uint8_t> ini = Bytes(text);
  EXPECT_EQ(RoundTrip(ini, nullptr, &codedSize), ini);
  EXPECT_LT(codedSize, static_cast<std::int64_t>(ini.size()) / 8);
}

TEST(Lzh, RandomAndLargeMixedInputsRoundTrip) {
  const std::vector<std::uint8_t> random = RandomBytes(200000, 1);
  std::int64_t consumed = 0, codedSize = 0;
  EXPECT_EQ(RoundTrip(random, &consumed, &codedSize), random);
  EXPECT_EQ(consumed, codedSize);

  // Over 1 MiB: runs, text, noise and copies of earlier parts at every distance.
  std::mt19937 rng(9);
  std::vector<std::uint8_t> mixed;
  while (mixed.size() < (1u << 20) + 12345) {
    switch (rng() % 4) {
      case 0:
        mixed.insert(mixed.end(), rng() % 300, static_cast<std::uint8_t>(rng()));
        break;
      case 1:
        for (int i = rng() % 500; i > 0; --i) mixed.push_back(static_cast<std::uint8_t>(rng()));
        break;
      case 2:
        if (mixed.size() > 5000) {
          const size_t from = mixed.size() - 1 - rng() % 5000;
          for (size_t i = 0, n = rng() % 200; i < n; ++i) mixed.push_back(mixed[from + i]);
        }
        break;
      default: {
        const std::string line = "Image=frame" + std::to_string(rng() % 50) + ".bmp\r\n";
        mixed.insert(mixed.end(), line.begin(), line.end());
      }
    }
  }
  EXPECT_EQ(RoundTrip(mixed, &consumed, &codedSize), mixed);
  EXPECT_EQ(consumed, codedSize);
}

// Frequencies rising like the Fibonacci numbers make the code tree deep (codes of 13 bits
// and more) and its nodes swap places often.
TEST(Lzh, VerySkewedLiteralsRoundTrip) {
  std::vector<std::uint8_t> data;
  std::uint64_t a = 1, b = 1;
  std::mt19937 rng(3);
  for (int symbol = 0; symbol < 22; ++symbol) {
    for (std::uint64_t i = 0; i < a; ++i) data.push_back(static_cast<std::uint8_t>(symbol * 11));
    const std::uint64_t next = a + b;
    a = b;
    b = next;
  }
  std::shuffle(data.begin(), data.end(), rng);
  EXPECT_EQ(RoundTrip(data), data);
}

// 314 symbols start with frequency 1 each, and each decoded symbol adds 1 to the root:
// after 32768 - 314 symbols the root holds 0x8000, and the next symbol rebuilds the tree
// before it is counted. Literal-only data makes symbols and bytes the same.
TEST(Lzh, RootFrequencyReaching0x8000RebuildsOnce) {
  const std::vector<std::uint8_t> data = NoRepeatedTriples(32, 'A');
  ASSERT_EQ(data.size(), 32768u);
  const std::vector<std::uint8_t> coded = LzhEncode(data);
  constexpr int kBeforeRebuild = 32768 - 314;
  EXPECT_EQ(DecodeCoded(coded, kBeforeRebuild).Rebuilds, 0);
  TDecodeResult result = DecodeCoded(coded, kBeforeRebuild + 1);
  EXPECT_EQ(result.Rebuilds, 1);
  EXPECT_EQ(result.Output.size(), static_cast<size_t>(kBeforeRebuild + 1));
  result = DecodeCoded(coded, 32768);
  EXPECT_EQ(result.Rebuilds, 1);
  EXPECT_EQ(result.Output, data);
  EXPECT_EQ(result.Consumed, static_cast<std::int64_t>(coded.size()));
}

// The tree update written out step by step as the coding defines it (a plain scan for the
// node to swap with), against the tree the decoder uses, over many symbols of a skewed
// mix so that long runs of equal frequencies and several rebuilds occur.
struct TReferenceTree {
  std::uint16_t freq[628];
  std::int16_t parent[941];
  std::int16_t child[627];

  void Rebuild() {
    int j = 0;
    for (int i = 0; i < 627; ++i) {
      if (child[i] >= 627) {
        freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
        child[j] = child[i];
        ++j;
      }
    }
    for (int i = 0, node = 314; node < 627; i += 2, ++node) {
      const unsigned f = freq[i] + freq[i + 1];
      int k = node - 1;
      while (freq[k] > f) --k;
      ++k;
      for (int m = node; m > k; --m) {
        freq[m] = freq[m - 1];
        child[m] = child[m - 1];
      }
      freq[k] = static_cast<std::uint16_t>(f);
      child[k] = static_cast<std::int16_t>(i);
    }
    for (int i = 0; i < 627; ++i) {
      const int k = child[i];
      parent[k] = static_cast<std::int16_t>(i);
      if (k < 627) parent[k + 1] = static_cast<std::int16_t>(i);
    }
  }
  void Bump(int sym) {
    if (freq[626] == 0x8000) Rebuild();
    int n = parent[sym + 627];
    do {
      const unsigned k = ++freq[n];
      if (k > freq[n + 1]) {
        int l = n + 1;
        while (freq[l + 1] < k) ++l;
        freq[n] = freq[l];
        freq[l] = static_cast<std::uint16_t>(k);
        const int a = child[n];
        parent[a] = static_cast<std::int16_t>(l);
        if (a < 627) parent[a + 1] = static_cast<std::int16_t>(l);
        const int b = child[l];
        child[l] = static_cast<std::int16_t>(a);
        parent[b] = static_cast<std::int16_t>(n);
        if (b < 627) parent[b + 1] = static_cast<std::int16_t>(n);
        child[n] = static_cast<std::int16_t>(b);
        n = l;
      }
      n = parent[n];
    } while (n != 0);
  }
};

TEST(Lzh, TreeUpdatesFollowTheStepByStepDefinition) {
  lzh::TCodeTree tree;
  tree.Init();
  TReferenceTree reference;
  std::copy(tree.Frequency.begin(), tree.Frequency.end(), reference.freq);
  std::copy(tree.Parent.begin(), tree.Parent.end(), reference.parent);
  std::copy(tree.Child.begin(), tree.Child.end(), reference.child);
  EXPECT_EQ(reference.freq[626], 314);
  EXPECT_EQ(reference.freq[627], 0xFFFF);
  std::mt19937 rng(11);
  std::geometric_distribution<int> skewed(0.05);
  for (int step = 0; step < 200000; ++step) {
    const int symbol = step % 3 == 0 ? static_cast<int>(rng() % 314) : std::min(skewed(rng), 313);
    tree.Bump(symbol);
    reference.Bump(symbol);
    if (step % 997 == 0 || step > 199000) {
      ASSERT_TRUE(std::equal(tree.Frequency.begin(), tree.Frequency.end(), reference.freq)) << step;
      ASSERT_TRUE(std::equal(tree.Child.begin(), tree.Child.end(), reference.child)) << step;
      ASSERT_TRUE(std::equal(tree.Parent.begin(), tree.Parent.end(), reference.parent)) << step;
    }
  }
  EXPECT_GE(tree.Rebuilds, 5);
}

TEST(Lzh, CallbacksSeeEveryByteSeparately) {
  const std::vector<std::uint8_t> data = Bytes("skin skin skin skin");
  const std::vector<std::uint8_t> coded = LzhEncode(data);
  size_t position = 0;
  int requests = 0;
  std::vector<std::uint8_t> output;
  TLZH lzh(nullptr, nullptr);
  lzh.Decode(
      static_cast<std::int32_t>(data.size()),
      [&](const std::uint8_t* buffer, std::int32_t count) {
        EXPECT_EQ(count, 1);
        output.insert(output.end(), buffer, buffer + count);
      },
      [&](std::uint8_t* buffer, std::int32_t count) {
        ++requests;
        const std::int32_t n = std::min<std::int32_t>(count, static_cast<std::int32_t>(coded.size() - position));
        std::copy_n(coded.begin() + static_cast<std::ptrdiff_t>(position), n, buffer);
        position += static_cast<size_t>(n);
        return n;
      });
  EXPECT_EQ(output, data);
  EXPECT_EQ(position, coded.size());
  EXPECT_GE(requests, static_cast<int>(coded.size()));
}

TEST(Lzh, CompressWritesTheSizeWordFirst) {
  const std::vector<std::uint8_t> data = RandomBytes(70000, 2);
  const std::vector<std::uint8_t> archive = LzhCompress(data);
  ASSERT_GT(archive.size(), 4u);
  EXPECT_EQ(archive[0] | archive[1] << 8 | archive[2] << 16 | archive[3] << 24, 70000);
  EXPECT_EQ(DecodeCoded(std::span(archive).subspan(4), 70000).Output, data);
}

}  // namespace
