#include "core/images/TgaBytes.h"
#include "ui/widgets/TargaImage.h"

#include <QClipboard>
#include <QEnterEvent>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

using namespace velkarn;
using namespace velkarn::test;

namespace {

using T = TTargaType;
using D = TTargaColorDepthType;

// A top-down 2 x 2 picture of 32 bits: red, green / blue, white, with alphas 10, 20, 30, 40.
std::string thirtyTwoBitFile() {
    return tgaHeader({.width = 2, .height = 2, .pixelDepth = 32, .descriptor = 0x20}) +
           bytes({0, 0, 255, 10, 0, 255, 0, 20, 255, 0, 0, 30, 255, 255, 255, 40});
}

// The map preview's control.
struct PreviewControl : TTargaImage {
    PreviewControl() {
        resize(128, 128);
        setStretch(true);
    }
};

void expectKind(const TTargaImage& control, T type, D depth, bool alpha) {
    EXPECT_EQ(control.targaType(), type);
    EXPECT_EQ(control.colorDepth(), depth);
    EXPECT_EQ(control.includeAlphaChannel(), alpha);
    EXPECT_EQ(control.targa().TargaType(), type);
    EXPECT_EQ(control.targa().ColorDepth(), depth);
    EXPECT_EQ(control.targa().IncludeAlphaChannel(), alpha);
}

// Counts the emissions of one signal.
template <typename Signal> std::shared_ptr<int> countOf(TTargaImage& control, Signal signal) {
    auto count = std::make_shared<int>(0);
    QObject::connect(&control, signal, [count] { ++*count; });
    return count;
}

QRgb shown(TTargaImage& control, int x, int y) {
    return control.grab().toImage().pixel(x, y) & 0xFFFFFF;
}

} // namespace

TEST(TargaImage, StartsAsAnEmptyControl) {
    TTargaImage control;
    EXPECT_EQ(control.size(), QSize(50, 50));
    EXPECT_EQ(control.targaType(), T::ttNoImageData);
    EXPECT_EQ(control.colorDepth(), D::cd8bit);
    EXPECT_FALSE(control.includeAlphaChannel());
    EXPECT_EQ(control.ditherMode(), TDitherMode::dmNearest);
    EXPECT_EQ(control.viewType(), TTargaViewType::tvBitmap);
    EXPECT_TRUE(control.targa().Empty());
    control.grab(); // painting an empty picture paints nothing
}

TEST(TargaImage, LoadingThirtyTwoBitsTakesTheTypeRuleFirst) {
    PreviewControl control;
    const auto changed = countOf(control, &TTargaImage::changed);
    const auto progress = countOf(control, &TTargaImage::progress);
    control.loadFromBytes(thirtyTwoBitFile());
    expectKind(control, T::ttTrueColorImage, D::cd24bit, false);
    EXPECT_EQ(*changed, 1);
    EXPECT_EQ(*progress, 4);
    EXPECT_EQ(control.size(), QSize(128, 128)) << "AutoSize is off";
}

TEST(TargaImage, ColourDepthRules) {
    TTargaImage control;
    control.setTargaType(T::ttBlackAndWhiteImage);
    control.setColorDepth(D::cd32bit);
    expectKind(control, T::ttTrueColorImage, D::cd32bit, true);

    control.setColorDepth(D::cd8bit);
    expectKind(control, T::ttColorMapedImage, D::cd8bit, false);

    control.setTargaType(T::ttRLEBlackAndWhiteImage);
    control.setColorDepth(D::cd16bit);
    expectKind(control, T::ttRLETrueColorImage, D::cd16bit, false);
    control.setColorDepth(D::cd8bit);
    expectKind(control, T::ttRLEColorMapedImage, D::cd8bit, false);
}

TEST(TargaImage, TypeAndAlphaRules) {
    TTargaImage control;
    control.setTargaType(T::ttRLETrueColorImage);
    expectKind(control, T::ttRLETrueColorImage, D::cd24bit, false);
    control.setIncludeAlphaChannel(true);
    expectKind(control, T::ttRLETrueColorImage, D::cd32bit, true);
    control.setTargaType(T::ttBlackAndWhiteImage);
    expectKind(control, T::ttBlackAndWhiteImage, D::cd8bit, false);

    control.setIncludeAlphaChannel(true);
    expectKind(control, T::ttTrueColorImage, D::cd32bit, true);
    control.setTargaType(T::ttNoImageData);
    expectKind(control, T::ttNoImageData, D::cd32bit, false);
    control.setIncludeAlphaChannel(false);
    expectKind(control, T::ttNoImageData, D::cd32bit, false); // unchanged value: no effect
    control.setIncludeAlphaChannel(true);
    control.setIncludeAlphaChannel(false);
    expectKind(control, T::ttTrueColorImage, D::cd24bit, false);
}

TEST(TargaImage, ImageIDIsCutAndTakenUpToItsFirstZero) {
    TTargaImage control;
    control.setImageID(std::string(300, 'a'));
    EXPECT_EQ(control.imageID(), std::string(255, 'a'));
    EXPECT_EQ(control.targa().ImageID(), std::string(255, 'a'));

    control.loadFromBytes(tgaHeader({.idLength = 5}) + std::string("ab\0cd", 5) + bytes({1, 2, 3}));
    EXPECT_EQ(control.imageID(), "ab");
    EXPECT_EQ(control.targa().ImageID(), "ab");
}

TEST(TargaImage, AutoSizeFollowsThePicture) {
    TTargaImage control;
    control.loadFromBytes(tgaHeader({.width = 7, .height = 5}) + std::string(105, '\0'));
    EXPECT_EQ(control.size(), QSize(50, 50));
    control.setAutoSize(true);
    EXPECT_EQ(control.size(), QSize(7, 5));
    control.loadFromBytes(tgaHeader({.width = 3, .height = 9}) + std::string(81, '\0'));
    EXPECT_EQ(control.size(), QSize(3, 9));
}

TEST(TargaImage, SetTargaTakesACopy) {
    TTarga source;
    source.LoadFromBytes(thirtyTwoBitFile());
    source.SetImageID("copy");
    TTargaImage control;
    control.setDitherMode(TDitherMode::dmFloydSteinberg);
    const auto changed = countOf(control, &TTargaImage::changed);
    control.setTarga(source);
    EXPECT_EQ(*changed, 1);
    EXPECT_EQ(control.imageID(), "copy");
    expectKind(control, T::ttTrueColorImage, D::cd24bit, false);
    EXPECT_EQ(control.targa().DitherMode(), TDitherMode::dmFloydSteinberg);
    source.LoadFromBytes(tgaHeader({.width = 1, .height = 1}) + bytes({0, 0, 0}));
    EXPECT_EQ(control.targa().Width(), 2) << "the control holds its own copy";

    // The copy still reports to the control.
    control.loadFromBytes(tgaHeader({.width = 4, .height = 1}) + std::string(12, '\0'));
    EXPECT_EQ(*changed, 2);
}

TEST(TargaImage, PaintsColoursOrAlphaStretchedOrNot) {
    TTargaImage control;
    control.resize(4, 4);
    control.loadFromBytes(thirtyTwoBitFile());
    EXPECT_EQ(shown(control, 1, 0), 0x00FF00u);
    EXPECT_NE(shown(control, 3, 3), 0xFFFFFFu) << "natural size leaves the rest unpainted";

    control.setStretch(true);
    EXPECT_EQ(shown(control, 3, 3), 0xFFFFFFu);
    EXPECT_EQ(shown(control, 2, 1), 0x00FF00u);

    control.setViewType(TTargaViewType::tvAlphaChannel);
    EXPECT_EQ(shown(control, 0, 3), 0x1E1E1Eu);
    control.setViewType(TTargaViewType::tvUseAlphaChannel);
    EXPECT_EQ(shown(control, 0, 3), 0x0000FFu);
}

TEST(TargaImage, ClipboardExchange) {
    TTarga source;
    source.LoadFromBytes(thirtyTwoBitFile());
    TTargaImage from;
    from.setTarga(source);
    from.setColorDepth(D::cd32bit); // the control keeps the alpha the file brought
    from.copyToClipboard();

    TTargaImage to;
    to.pasteFromClipboard();
    EXPECT_EQ(to.targa().Width(), 2);
    EXPECT_EQ(to.targa().Image().pixel(0, 1) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(to.targa().AlphaImage().pixel(1, 1) & 0xFF, 40u);
    // As for a loaded 32-bit file, the type rule runs first and turns the alpha flag off.
    expectKind(to, T::ttTrueColorImage, D::cd24bit, false);

    QGuiApplication::clipboard()->setText("not a picture");
    to.pasteFromClipboard();
    EXPECT_EQ(to.targa().Width(), 2) << "no image on the clipboard changes nothing";
}

TEST(TargaImage, ReportsMouseEnterAndLeave) {
    TTargaImage control;
    const auto entered = countOf(control, &TTargaImage::mouseEnter);
    const auto left = countOf(control, &TTargaImage::mouseLeave);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&control, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&control, &leave);
    EXPECT_EQ(*entered, 1);
    EXPECT_EQ(*left, 1);
}

TEST(TargaImage, FailedLoadKeepsThePicture) {
    TTargaImage control;
    control.loadFromBytes(thirtyTwoBitFile());
    EXPECT_THROW(control.loadFromBytes(tgaHeader({.width = 65535, .height = 65535})), TargaError);
    EXPECT_EQ(control.targa().Width(), 2);
}
