#include "../../tools/skin/gif_writer.h"
#include "shell/widgets/CScrollBitmapWnd.h"
#include "shell/widgets/CTButtonPicture.h"
#include "shell/widgets/CTDialog.h"
#include "shell/widgets/CTEdit.h"
#include "shell/widgets/CTMultiPages.h"
#include "shell/widgets/CTPicture.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace cpe {
namespace {

class PagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        pager.resize(400, 30);
        pager.Setup(134);
        pager.show();
    }
    QRect Button(int label) const {
        const auto rects = pager.ButtonRects();
        for (std::size_t i = 0; i < rects.size(); ++i) {
            if (pager.labels()[i] == label) {
                return rects[i];
            }
        }
        ADD_FAILURE() << "no button " << label;
        return {};
    }
    void Click(int label) { QTest::mouseClick(&pager, Qt::LeftButton, {}, Button(label).center()); }

    CTMultiPages pager;
};

TEST_F(PagerTest, ChoosingAnotherPageReportsIdentifierAndPage) {
    pager.SetPages(12, 6);
    QSignalSpy spy(&pager, &CTMultiPages::pageChosen);
    Click(7);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 134);
    EXPECT_EQ(spy.at(0).at(1).toInt(), 7);
    EXPECT_EQ(pager.currentPage(), 7);
    EXPECT_EQ(pager.labels(), (std::vector<int>{1, -1, 6, 7, 8, -1, 12}));
}

TEST_F(PagerTest, CurrentPageEllipsisAndDragAwaySendNothing) {
    pager.SetPages(12, 6);
    QSignalSpy spy(&pager, &CTMultiPages::pageChosen);
    Click(6);
    QTest::mouseClick(&pager, Qt::LeftButton, {}, pager.ButtonRects()[1].center()); // "..."
    QTest::mousePress(&pager, Qt::LeftButton, {}, Button(5).center());
    QTest::mouseRelease(&pager, Qt::LeftButton, {}, Button(7).center());
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(pager.currentPage(), 6);
}

TEST_F(PagerTest, WidthsGapsAndEmptyBar) {
    pager.SetPages(3, 1);
    const auto rects = pager.ButtonRects();
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].width(), 32); // narrow digits get the minimum width
    EXPECT_EQ(rects[1].left() - rects[0].right() - 1, 3);
    EXPECT_EQ(rects[0].height(), 24);
    EXPECT_EQ(rects[0].left(), (400 - (3 * 32 + 2 * 3)) / 2); // centred
    pager.SetAlignment(CTMultiPages::kLeft);
    EXPECT_EQ(pager.ButtonRects()[0].left(), 2);
    pager.SetPages(0, 1);
    EXPECT_TRUE(pager.ButtonRects().empty());
}

TEST_F(PagerTest, KeyboardChoosesNeighbours) {
    pager.SetPages(5, 2);
    QSignalSpy spy(&pager, &CTMultiPages::pageChosen);
    QTest::keyClick(&pager, Qt::Key_Right);
    QTest::keyClick(&pager, Qt::Key_End);
    QTest::keyClick(&pager, Qt::Key_Right); // already on the last page
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(1).toInt(), 5);
}

TEST(CTDialogTest, EnterAndEscapeNeverClose) {
    CTDialog dialog;
    auto* ok = new QPushButton("OK", &dialog);
    ok->setDefault(true);
    QSignalSpy clicked(ok, &QPushButton::clicked);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(dialog.result(), 0);
}

TEST(CTDialogTest, OnlyATranslucentSettingMakesTheRoundedWindowLayered) {
    CTDialog opaque;
    opaque.resize(200, 100);
    opaque.SetCornerDiameter(10);
    opaque.SetOpacity(255);
    opaque.grab();
    EXPECT_TRUE(opaque.regionApplied());
    EXPECT_FALSE(opaque.isLayered());

    CTDialog translucent;
    translucent.resize(200, 100);
    translucent.SetOpacity(128);
    translucent.grab();
    EXPECT_FALSE(translucent.isLayered()); // no corners, no region, no layering
    translucent.SetCornerDiameter(10);
    translucent.grab();
    EXPECT_TRUE(translucent.isLayered());
    EXPECT_NEAR(translucent.windowOpacity(), 200.0 / 255.0, 0.01);
}

TEST(CTEditTest, DigitsOnlyFiltersTypingAndPasting) {
    QWidget page;
    CTEdit edit(&page);
    edit.SetCharacterClass(EditClass::Digits);
    QTest::keyClicks(&edit, "12a-3");
    EXPECT_EQ(edit.text(), "123");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "12");
    QGuiApplication::clipboard()->setText("4x5");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "1245");
}

TEST(CTEditTest, ForbiddenCharactersAndNoClipboard) {
    QWidget page;
    CTEdit edit(&page);
    edit.SetForbiddenCharacters("\"'");
    edit.SetNoClipboard(true);
    QTest::keyClicks(&edit, "a\"b'c");
    EXPECT_EQ(edit.text(), "abc");
    QGuiApplication::clipboard()->setText("zzz");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "abc");
}

TEST(CTButtonPictureTest, TextIsTheAccessibleNameAndStatesFollowTheWidget) {
    CTButtonPicture button;
    button.SetText("Search");
    EXPECT_EQ(button.accessibleName(), "Search");
    CTButtonPicture caption;
    caption.SetDescription("Close");
    EXPECT_EQ(caption.accessibleName(), "Close");
    EXPECT_EQ(caption.toolTip(), "Close");
    EXPECT_EQ(button.state(), CTButtonPicture::kNormal);
    button.setEnabled(false);
    EXPECT_EQ(button.state(), CTButtonPicture::kDisabled);
    button.SetCheckedFlag(true);
    EXPECT_TRUE(button.checkedFlag());
    EXPECT_EQ(button.focusPolicy(), Qt::StrongFocus);
}

QImage Pattern(int w, int h, int seed) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int v = (x * 7 + y * 13 + seed * 31 + (x * y) % 17) % 200;
            image.setPixel(x, y, qRgb(v, 255 - v, (v * 3) % 256));
        }
    }
    return image;
}

// Frames with many distinct runs fill the code table past 4095 entries, so the encoder's table
// reset is exercised too.
GifImage Encodable(const std::vector<QImage>& frames) {
    GifImage gif;
    gif.width = frames[0].width();
    gif.height = frames[0].height();
    for (int v = 0; v < 200; ++v) {
        gif.palette.push_back({std::uint8_t(v), std::uint8_t(255 - v), std::uint8_t((v * 3) % 256)});
    }
    for (const QImage& f : frames) {
        GifFrame frame;
        for (int y = 0; y < f.height(); ++y) {
            for (int x = 0; x < f.width(); ++x) {
                frame.indices.push_back(std::uint8_t(qRed(f.pixel(x, y))));
            }
        }
        gif.frames.push_back(frame);
    }
    return gif;
}

TEST(GifWriterTest, QtDecodesEveryFrameExactly) {
    const std::vector<QImage> frames = {Pattern(97, 61, 1), Pattern(97, 61, 2), Pattern(97, 61, 3)};
    const std::vector<std::uint8_t> bytes = EncodeGif(Encodable(frames));
    ASSERT_FALSE(bytes.empty());
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "gif");
    EXPECT_EQ(reader.imageCount(), 3);
    for (const QImage& expected : frames) {
        const QImage got = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(got.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(got, expected);
    }
}

TEST(GifWriterTest, InconsistentImagesGiveNothing) {
    GifImage gif;
    gif.width = 2;
    gif.height = 2;
    gif.palette = {{0, 0, 0}};
    EXPECT_TRUE(EncodeGif(gif).empty()); // no frames
    gif.frames.push_back({{0, 0, 0}, 5});
    EXPECT_TRUE(EncodeGif(gif).empty()); // short frame
    gif.frames[0].indices = {0, 0, 0, 1};
    EXPECT_TRUE(EncodeGif(gif).empty()); // index outside the palette
}

TEST(CTPictureTest, AnimatedGifPlaysAndStillImagesShow) {
    const std::vector<QImage> frames = {Pattern(16, 16, 1), Pattern(16, 16, 2)};
    const std::vector<std::uint8_t> bytes = EncodeGif(Encodable(frames));
    CTPicture picture;
    ASSERT_TRUE(
        picture.Load(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))));
    EXPECT_TRUE(picture.animated());
    picture.Draw();
    EXPECT_TRUE(picture.playing());
    picture.Stop();
    EXPECT_FALSE(picture.playing());

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Pattern(10, 8, 0).save(&buffer, "PNG");
    ASSERT_TRUE(picture.Load(png));
    EXPECT_FALSE(picture.animated());
    EXPECT_EQ(picture.pixmap().size(), QSize(10, 8));
    EXPECT_FALSE(picture.Load(QByteArray("GIF89a broken")));
}

TEST(CScrollBitmapWndTest, ScrollBarsOnlyWhereThePictureIsLarger) {
    CScrollBitmapWnd view;
    view.resize(200, 150);
    view.show();
    QPixmap wide(600, 100);
    wide.fill(Qt::red);
    view.SetBitmap(wide);
    QTest::qWait(1);
    EXPECT_TRUE(view.horizontalScrollBar()->isVisible());
    EXPECT_FALSE(view.verticalScrollBar()->isVisible());
    EXPECT_EQ(view.horizontalScrollBar()->singleStep(), 5);
    view.horizontalScrollBar()->setValue(100000);
    EXPECT_EQ(view.offset().x(), 600 - view.viewport()->width());
    EXPECT_FALSE(view.SetBitmap(QString("/nonexistent/help.jpg")));
}

} // namespace
} // namespace cpe
