// TSkinProgress and TSkinTrackBar on real controls: the filled length at 0, 37 and 100 %, an
// empty range, bars standing up, the chunk style; the thumb where the platform puts it and the
// channel's three pieces, lying and standing, with and without "TRACKVERT".
#include <memory>

#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_trackbar.h"
#include "ui/comctrls_range.h"
#include "ui/skin_messages.h"
#include "ui/stdctrls.h"
#include "win/rangeinputs/range_skin_test.h"

namespace {

// Progress: two frames of 11 x 7, margins 2, 2, 3, 1 (codes 1 track, 2 bar).
class ProgressSkin : public RangeSkinTest {
protected:
  void SetUp() override {
    RangeSkinTest::SetUp();
    Data->Progress.reset(new TDataSkinBorder("Progress"));
    MakeCodedObject(*Data->Progress, 1, 2, 11, 7, 2, 2, 3, 1);
  }
  TProgressBar* Bar(int position, TProgressBarOrientation orientation = TProgressBarOrientation::pbHorizontal) {
    auto* bar = Make<TProgressBar>(10, 10, 153, 19);
    bar->SetOrientation(orientation);
    bar->SetPosition(position);
    auto* skinner = new TSkinProgress(bar);
    skinner->AttachControl(&Host, Data.get(), false, nullptr);
    return bar;
  }
};

// The code of the centre slice in the middle row of a 153 x 19 horizontal bar at x.
int RowCode(TProbeDC& probe, int x) {
  return CodeAt(probe, x, 9);
}

TEST_F(ProgressSkin, FillsItsShareOfTheTrackAndNothingWithoutAPositiveHighLimit) {
  struct Case {
    int Position;
    int Fill;  // 153 * position / 100, rounded as MulDiv rounds
  } cases[] = {{0, 0}, {37, 57}, {100, 153}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Position);
    TProgressBar* bar = Bar(c.Position);
    TProbeDC probe(153, 19, kProbeFill);
    PaintInto(bar->Handle(), probe);
    if (c.Fill == 0) {
      EXPECT_EQ(RowCode(probe, 1 + 2), 1);  // the track's centre right after its left margin
      EXPECT_EQ(probe.At(0, 9), CodeColour(1, 3));
    } else {
      // The bar's own right margin ends exactly at the filled length.
      EXPECT_EQ(RowCode(probe, c.Fill - 4), 2);
      EXPECT_EQ(probe.At(c.Fill - 1, 9), CodeColour(2, 5));
      EXPECT_EQ(probe.At(c.Fill - 3, 9), CodeColour(2, 5));
      EXPECT_EQ(probe.At(0, 9), CodeColour(2, 3));
    }
    if (c.Fill < 153 - 3) {
      EXPECT_EQ(RowCode(probe, c.Fill), c.Fill < 2 ? 0 : 1);
    }
    bar->Free();
  }

  // A range that ends at 0: the position is never positive, nothing fills.
  auto* bar = Bar(0);
  bar->SetMin(-100);
  bar->SetMax(0);
  bar->SetPosition(-20);
  TProbeDC probe(153, 19, kProbeFill);
  PaintInto(bar->Handle(), probe);
  for (int x : {3, 60, 120, 148}) EXPECT_EQ(RowCode(probe, x), 1) << x;
}

TEST_F(ProgressSkin, AStandingBarFillsFromTheBottom) {
  TProgressBar* bar = Bar(37, TProgressBarOrientation::pbVertical);
  ASSERT_EQ(WindowSize(bar->Handle()).cy, 153);
  TProbeDC probe(19, 153, kProbeFill);
  PaintInto(bar->Handle(), probe);
  // Lying, the bar covered x 0..56; turned left, x becomes 152 - y.
  EXPECT_EQ(CodeAt(probe, 9, 152 - 10), 2);
  EXPECT_EQ(CodeAt(probe, 9, 152 - 52), 2);
  EXPECT_EQ(probe.At(9, 152 - 55), CodeColour(2, 5));
  EXPECT_EQ(CodeAt(probe, 9, 152 - 60), 1);
  EXPECT_EQ(CodeAt(probe, 9, 20), 1);
  // The lying bar's top margin (2 rows) is now the left column pair.
  EXPECT_EQ(probe.At(0, 152 - 10), CodeColour(2, 1));
}

TEST_F(ProgressSkin, ChunkStyleStretchesTheChunkInThreePiecesOrTilesIt) {
  Data->Progress.reset(new TDataSkinBorder("Progress"));
  MakeCodedObject(*Data->Progress, 1, 1, 11, 7, 2, 2, 3, 1);
  Data->Progress->Style = 1;
  Data->ProgressChunk.reset(new TDataSkinObject("Progress.Chunk"));
  MakeCodedObject(*Data->ProgressChunk, 5, 1, 12, 9, 3, 0, 2, 0);
  {
    TProgressBar* bar = Bar(37);
    TProbeDC probe(153, 19, kProbeFill);
    PaintInto(bar->Handle(), probe);
    // 57 pixels of chunk at (2, 2), 15 high: left 3, middle, right 2.
    EXPECT_EQ(probe.At(2, 9), CodeColour(5, 3));
    EXPECT_EQ(probe.At(4, 2), CodeColour(5, 3));
    EXPECT_EQ(probe.At(5, 9), CodeColour(5, 4));
    EXPECT_EQ(probe.At(56, 16), CodeColour(5, 4));
    EXPECT_EQ(probe.At(57, 9), CodeColour(5, 5));
    EXPECT_EQ(probe.At(58, 9), CodeColour(5, 5));
    EXPECT_EQ(CodeAt(probe, 60, 9), 1);
    EXPECT_EQ(CodeAt(probe, 30, 1), 0);  // the track's top margin above the chunks
    bar->Free();
  }
  // Tiled: copies of the 12-pixel chunk from x = LeftWidth + 2, vertically centred.
  Data->ProgressChunk->Tile = 1;
  TProgressBar* bar = Bar(37);
  TProbeDC probe(153, 19, kProbeFill);
  PaintInto(bar->Handle(), probe);
  const int y = (19 - 9) / 2;
  for (int copy = 0; copy < 4; ++copy) {
    const int x = 5 + 12 * copy;
    EXPECT_EQ(probe.At(x, y + 4), CodeColour(5, 3)) << copy;
    EXPECT_EQ(probe.At(x + 3, y + 4), CodeColour(5, 4)) << copy;
    EXPECT_EQ(probe.At(x + 10, y + 4), CodeColour(5, 5)) << copy;
  }
  EXPECT_EQ(CodeAt(probe, 5 + 57 + 2, 9), 1);  // the strip is 57 wide
  EXPECT_NE(probe.At(10, y - 1), CodeColour(5, 4));
}

TEST_F(ProgressSkin, WithoutAPictureThePlatformPaints) {
  Data->Progress.reset();
  TProgressBar* bar = Bar(50);
  TProbeDC probe(153, 19, kProbeFill);
  PaintInto(bar->Handle(), probe);
  EXPECT_EQ(RowCode(probe, 20), 0);
  EXPECT_NE(probe.At(20, 9), kProbeFill);  // the platform drew something
}

// Track bars: "Track" one frame of 20 x 6 with margins 4 and 5 (code 8), "TRACKVERT" one frame
// of 6 x 20 with margins 4 and 5 (code 9), thumbs five frames of 9 x 14 (codes 10-14 lying,
// 15-19 standing).
class TrackBarSkin : public RangeSkinTest {
protected:
  void SetUp() override {
    RangeSkinTest::SetUp();
    Data->Track.reset(new TDataSkinObject("Track"));
    MakeCodedObject(*Data->Track, 8, 1, 20, 6, 4, 0, 5, 0);
    Data->TrackVert.reset(new TDataSkinObject("TRACKVERT"));
    MakeCodedObject(*Data->TrackVert, 9, 1, 6, 20, 0, 4, 0, 5);
    Data->TrackbarThumbHorz.reset(new TDataSkinObject("Trackbar.ThumbHorz"));
    MakeCodedObject(*Data->TrackbarThumbHorz, 10, 5, 9, 14, 0, 0, 0, 0);
    Data->TrackbarThumbVert.reset(new TDataSkinObject("Trackbar.ThumbVert"));
    MakeCodedObject(*Data->TrackbarThumbVert, 15, 5, 14, 9, 0, 0, 0, 0);
  }
  TTrackBar* Track(TTrackBarOrientation orientation) {
    auto* track = Make<TTrackBar>(10, 60, 187, 41);
    track->SetOrientation(orientation);
    track->SetPosition(7);
    Skinner = new TSkinTrackBar(track);
    Skinner->AttachControl(&Host, Data.get(), false, nullptr);
    return track;
  }
  static RECT Rect(HWND window, UINT message) {
    RECT r{};
    SendMessageW(window, message, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static std::unique_ptr<TProbeDC> Print(HWND window) {
    const SIZE size = WindowSize(window);
    auto probe = std::make_unique<TProbeDC>(size.cx, size.cy, kProbeFill);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(probe->Get()), PRF_CLIENT | PRF_ERASEBKGND);
    return probe;
  }
  TSkinTrackBar* Skinner = nullptr;
};

TEST_F(TrackBarSkin, ThumbAtThePlatformsPlaceAndTheChannelInThreePieces) {
  TTrackBar* track = Track(TTrackBarOrientation::trHorizontal);
  auto probeHeld = Print(track->Handle());
  TProbeDC& probe = *probeHeld;
  const RECT thumb = Rect(track->Handle(), TBM_GETTHUMBRECT);
  ASSERT_GT(thumb.right - thumb.left, 2);
  // The second of the five frames, stretched over the whole thumb.
  EXPECT_EQ(CodeAt(probe, thumb.left, thumb.top), 11);
  EXPECT_EQ(CodeAt(probe, thumb.right - 1, thumb.bottom - 1), 11);
  EXPECT_EQ(CodeAt(probe, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), 11);

  const RECT channel = Rect(track->Handle(), TBM_GETCHANNELRECT);
  const int height = channel.bottom - channel.top;
  const int y = 6 < height ? channel.top + (height - 6) / 2 : channel.top;
  EXPECT_EQ(probe.At(channel.left, y), CodeColour(8, 3));
  EXPECT_EQ(probe.At(channel.left + 3, y + 5), CodeColour(8, 3));
  EXPECT_EQ(probe.At(channel.left + 4, y + 2), CodeColour(8, 4));
  EXPECT_EQ(probe.At(channel.right - 5, y + 2), CodeColour(8, 5));
  EXPECT_EQ(probe.At(channel.right - 1, y + 2), CodeColour(8, 5));
  EXPECT_NE(probe.At(channel.right, y + 2), CodeColour(8, 5));
  EXPECT_NE(probe.At(channel.left + 10, y + 6), CodeColour(8, 4));  // 6 rows high, no more
}

TEST_F(TrackBarSkin, AStandingChannelUsesTrackVertOrElseTheLyingPictureAsReported) {
  TTrackBar* track = Track(TTrackBarOrientation::trVertical);
  RECT channel = Rect(track->Handle(), TBM_GETCHANNELRECT);
  auto probeHeld = Print(track->Handle());
  TProbeDC& probe = *probeHeld;
  // Taken standing up, whichever way the platform reports it.
  RECT standing = channel;
  if (channel.right - channel.left > channel.bottom - channel.top)
    standing = RECT{channel.top, channel.left, channel.bottom, channel.right};
  const int width = standing.right - standing.left;
  const int x = 6 < width ? standing.left + (width - 6) / 2 : standing.left;
  EXPECT_EQ(probe.At(x + 2, standing.top), CodeColour(9, 1));
  EXPECT_EQ(probe.At(x + 2, standing.top + 3), CodeColour(9, 1));
  EXPECT_EQ(probe.At(x + 2, standing.top + 4), CodeColour(9, 4));
  EXPECT_EQ(probe.At(x, standing.bottom - 1), CodeColour(9, 7));
  EXPECT_EQ(probe.At(x + 5, standing.bottom - 5), CodeColour(9, 7));
  const RECT thumb = Rect(track->Handle(), TBM_GETTHUMBRECT);
  EXPECT_EQ(CodeAt(probe, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), 16);

  // No "TRACKVERT": the lying picture in the rectangle exactly as reported, and the lying thumb
  // when there is no standing one either.
  Data->TrackVert.reset();
  Data->TrackbarThumbVert.reset();
  auto plainHeld = Print(track->Handle());
  TProbeDC& plain = *plainHeld;
  const int height = channel.bottom - channel.top;
  const int y = 6 < height ? channel.top + (height - 6) / 2 : channel.top;
  // Six rows of the picture's side pieces across the reported width, centred in its height.
  for (int column = channel.left; column < channel.right; ++column) {
    for (int row = y; row < y + 6; ++row) {
      const COLORREF c = plain.At(column, row);
      EXPECT_TRUE(c == CodeColour(8, 3) || c == CodeColour(8, 4) || c == CodeColour(8, 5)) << column << "," << row;
    }
    EXPECT_NE(plain.At(column, y - 1), CodeColour(8, 3));
    EXPECT_NE(plain.At(column, y + 6), CodeColour(8, 5));
  }
  EXPECT_EQ(plain.At(channel.right - 1, y), CodeColour(8, 5));
  EXPECT_EQ(CodeAt(plain, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), 11);
}

TEST_F(TrackBarSkin, WithoutThumbPicturesAPlainRectangleAndOnlyRealNotificationsAreRead) {
  Data->TrackbarThumbHorz.reset();
  Data->TrackbarThumbVert.reset();
  TTrackBar* track = Track(TTrackBarOrientation::trHorizontal);
  auto probeHeld = Print(track->Handle());
  TProbeDC& probe = *probeHeld;
  const RECT thumb = Rect(track->Handle(), TBM_GETTHUMBRECT);
  EXPECT_EQ(probe.At(thumb.left, thumb.top), kShadow);
  EXPECT_EQ(probe.At(thumb.right - 1, thumb.bottom - 1), kShadow);
  EXPECT_EQ(probe.At((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), kWhite);

  // The skin's done-message shares CN_NOTIFY's number: its marker and a small number are no
  // headers to read (reading one would fault), so they get no custom-draw answer and no error.
  const size_t errors = CollectedErrors().size();
  EXPECT_EQ(SendMessageW(track->Handle(), SKINMSG_DONE, 0, SKIN_MAGIC), 0);
  EXPECT_EQ(track->Perform(CN_NOTIFY, 0, 12), 0);
  EXPECT_EQ(CollectedErrors().size(), errors);
  NMCUSTOMDRAW prepaint{};
  prepaint.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
  prepaint.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(track->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&prepaint)), CDRF_NOTIFYITEMDRAW);
  prepaint.dwDrawStage = CDDS_ITEMPREPAINT;
  prepaint.dwItemSpec = TBCD_TICS;
  EXPECT_EQ(track->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&prepaint)), CDRF_DODEFAULT);
}

TEST_F(TrackBarSkin, ANewSkinGivesTheFocusBackToWhereItWas) {
  TTrackBar* track = Track(TTrackBarOrientation::trHorizontal);
  auto* edit = Make<TEdit>(10, 200, 100, 21);
  edit->SetFocus();
  ASSERT_EQ(GetFocus(), edit->Handle());
  Skinner->SkinChanged();
  EXPECT_EQ(GetFocus(), edit->Handle());
  track->SetFocus();
  Skinner->SkinChanged();
  EXPECT_EQ(GetFocus(), track->Handle());
}

}  // namespace
