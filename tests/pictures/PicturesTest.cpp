// The installed pictures and the pictures the windows keep: real formats, the sizes
// the windows show them at, not blank, transparent where they are laid over a
// window, and drawn to agree with what the windows read off them.
#include "FormPictures.h"
#include "lab/PictureLayout.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "pictures_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv);
    }
    void TearDown() override { delete app_; }

private:
    QGuiApplication* app_ = nullptr;
};
const auto* const gui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

enum class Kind { Opaque, Transparent };

struct Installed {
    const char* path;  // as the windows write it
    const char* format;
    int width, height;
    Kind kind;
};

// Every installed picture, named as the windows name it, at the size it is shown.
const Installed kInstalled[] = {
    {"\\pictures\\icons\\LXicon.gif", "gif", 32, 32, Kind::Transparent},
    {"/Pictures/Triaxial.gif", "gif", 376, 448, Kind::Opaque},
    {"/Pictures/TriaxialAssembly11.jpg", "jpeg", 146, 392, Kind::Opaque},
    {"/Pictures/TriaxialAssemblyRing11.jpg", "jpeg", 72, 10, Kind::Opaque},
    {"/Pictures/TriaxialAssemblyRingB11.jpg", "jpeg", 73, 10, Kind::Opaque},
    {"/Pictures/TriaxialAssemblyTop11.jpg", "jpeg", 60, 50, Kind::Opaque},
    {"/Pictures/TriaxialAssemblySample11.jpg", "jpeg", 46, 88, Kind::Opaque},
    {"/pictures/height1.gif", "gif", 200, 150, Kind::Opaque},
    {"/pictures/isotropicstress.gif", "gif", 225, 246, Kind::Opaque},
    {"/pictures/Vernier1.jpg", "jpeg", 788, 50, Kind::Opaque},
    {"/pictures/Vernier2.jpg", "jpeg", 167, 45, Kind::Opaque},
    {"/pictures/PiTape1.gif", "gif", 200, 150, Kind::Opaque},
    {"/pictures/PiTape2.gif", "gif", 200, 150, Kind::Opaque},
    {"/Pictures/1DConsol/TopBottom.gif", "gif", 399, 67, Kind::Transparent},
    {"/Pictures/1DConsol/ILBase.gif", "gif", 315, 66, Kind::Transparent},
    {"/Pictures/1DConsol/CRSBase.gif", "gif", 336, 68, Kind::Transparent},
    {"/Pictures/1DConsol/Sample.gif", "gif", 180, 59, Kind::Transparent},
    {"/Pictures/1DConsol/SteelRing.gif", "gif", 154, 48, Kind::Transparent},
    {"/Pictures/1DConsol/SampleIN.gif", "gif", 153, 49, Kind::Transparent},
    {"/Pictures/1DConsol/PorousStone.gif", "gif", 163, 24, Kind::Transparent},
    {"/Pictures/1DConsol/Plunger.gif", "gif", 151, 35, Kind::Transparent},
    {"/Pictures/1DConsol/Ball.gif", "gif", 24, 26, Kind::Transparent},
    {"/Pictures/1DConsol/OuterCell.gif", "gif", 276, 112, Kind::Transparent},
    {"/Pictures/1DConsol/assembledOedo.gif", "gif", 274, 110, Kind::Transparent},
    {"/Pictures/1DConsol/assembledCRS.gif", "gif", 336, 155, Kind::Transparent},
    {"/Pictures/1DConsol/CRSTop.gif", "gif", 312, 96, Kind::Transparent},
    {"/Pictures/1DConsol/SideRod.gif", "gif", 7, 115, Kind::Opaque},
    {"/Pictures/1DConsol/SideRodNut.gif", "gif", 16, 11, Kind::Opaque},
    {"/Pictures/1DConsol/CRSTopRod.gif", "gif", 37, 116, Kind::Transparent},
    {"\\Pictures\\1DConsol\\CRSLoadingFrame.gif", "gif", 300, 220, Kind::Transparent},
    {"\\Pictures\\1DConsol\\Base.gif", "gif", 300, 220, Kind::Transparent},
    {"\\Pictures\\1DConsol\\arm.gif", "gif", 300, 170, Kind::Transparent},
    {"\\Pictures\\1DConsol\\AssemblySmall.gif", "gif", 56, 50, Kind::Transparent},
    {"\\pictures\\DS\\Base.gif", "gif", 396, 98, Kind::Transparent},
    {"\\pictures\\DS\\DSBottom.gif", "gif", 275, 73, Kind::Opaque},
    {"\\pictures\\DS\\DSTop.gif", "gif", 323, 73, Kind::Transparent},
    {"\\pictures\\DS\\SandHalf.gif", "gif", 136, 12, Kind::Opaque},
    {"\\pictures\\DS\\SandFull.gif", "gif", 156, 18, Kind::Opaque},
    {"\\pictures\\DS\\Plunger.gif", "gif", 149, 37, Kind::Opaque},
    {"\\pictures\\DS\\TopBall.gif", "gif", 16, 13, Kind::Transparent},
    {"\\Pictures\\DS\\DSTopFull.gif", "gif", 187, 43, Kind::Transparent},
    {"\\Pictures\\DS\\DSBottomFull.gif", "gif", 320, 200, Kind::Transparent},
    {"\\Pictures\\DS\\BeadHose.gif", "gif", 180, 12, Kind::Opaque},
    {"\\pictures\\TTT\\Assmbly.jpg", "jpeg", 171, 144, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_0.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_1.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_2.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_3.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_4.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_5.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_6.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_7.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_8.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_9.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\TTT\\TTT_10.jpg", "jpeg", 384, 288, Kind::Opaque},
    {"\\pictures\\HCT\\Sketch_1.jpg", "jpeg", 171, 144, Kind::Opaque},
    {"\\pictures\\HCT\\Sketch_2.jpg", "jpeg", 227, 193, Kind::Opaque},
};

QString installed(const char* path)
{
    return lx::resolveCaseInsensitive(QStringLiteral(LOAMIX_INSTALL_DIR), QString::fromLatin1(path));
}

int distinctColours(const QImage& img, int enough)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) >= 128) seen.insert(c | 0xff000000u);
            if (seen.size() >= enough) return int(seen.size());
        }
    return int(seen.size());
}

bool anyTransparent(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) == 0) return true;
    return false;
}

QByteArray head(const QString& file, int n)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

} // namespace

TEST(InstalledPictures, EachIsARealPictureOfItsFormatAndSize)
{
    for (const Installed& p : kInstalled) {
        SCOPED_TRACE(p.path);
        const QString file = installed(p.path);
        ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
        // The format is the one the name says, read from the content, not the suffix.
        const QByteArray magic = head(file, 6);
        if (QByteArray(p.format) == "gif")
            EXPECT_EQ(magic, QByteArray("GIF89a"));
        else
            EXPECT_TRUE(magic.startsWith(QByteArray("\xff\xd8\xff", 3)));
        QImageReader reader(file);
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray(p.format));
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(img.size(), QSize(p.width, p.height));
        EXPECT_GE(distinctColours(img, 8), 8) << "looks blank";
        // Parts laid over a window let it show through around them; the rest fill their box.
        EXPECT_EQ(anyTransparent(img), p.kind == Kind::Transparent);
    }
}

TEST(InstalledPictures, TheProgramIconHoldsThreeSizes)
{
    const QString file = installed("\\pictures\\icons\\Loamix.ico");
    EXPECT_EQ(head(file, 4), QByteArray("\x00\x00\x01\x00", 4));
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), QByteArray("ico"));
    ASSERT_EQ(reader.imageCount(), 3);
    QList<int> sizes;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), img.height());
        EXPECT_GE(distinctColours(img, 6), 6);
        EXPECT_TRUE(anyTransparent(img)) << "rounded corners let the title bar show";
        sizes.append(img.width());
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (QList<int>{16, 32, 48}));
    EXPECT_FALSE(QIcon(file).isNull());
}

TEST(FormPictures, ToolbarHasOneSixteenPixelImagePerKey)
{
    const char* keys[] = {"New",      "Open", "Save", "Print", "Cut", "Copy", "Paste", "PrintWin", "PrintDoc", "Triaxial",
                          "1DConsol", "DS",   "TTT",  "AT",    "CIDC", "CIUC", "DBSand", "DBGravel", "DBQuery"};
    QSet<QByteArray> distinct;
    for (const char* key : keys) {
        SCOPED_TRACE(key);
        const QString path = lx::pictures::toolbarPicture(QString::fromLatin1(key));
        EXPECT_EQ(path, QStringLiteral(":/forms/toolbar/%1.png").arg(QString::fromLatin1(key)));
        const QImage img(path);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(16, 16));
        EXPECT_GE(distinctColours(img, 3), 3);
        EXPECT_TRUE(anyTransparent(img));
        EXPECT_FALSE(QIcon(path).isNull());
        distinct.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
    }
    EXPECT_EQ(distinct.size(), 19) << "every button has a picture of its own";
}

TEST(FormPictures, WindowPicturesExistAtTheirControlsSizes)
{
    struct Form {
        const char* name;
        int width, height;
    };
    const Form forms[] = {
        {"frmSplash/picLogo.png", 120, 120},
        {"frmAbout/picIcon.png", 32, 32},
        {"frmQuizScoreSummary/picIcon.png", 32, 32},
        {"frmMessege/Picture1.png", 640, 40},
        {"frmQuiz/imgCorrectSign.png", 24, 24},
        {"frmQuiz/imgCalc.png", 32, 32},
        {"frm1DConsolidation/imgCRSTopRodHidden.png", 35, 32},
        {"frmScreenDAS1D/imgLoad.png", 34, 8},
        {"frmDirectShear/imgScrew.png", 19, 41},
        {"frmDirectShear/imgScrewPart.png", 19, 13},
        {"frmDirectShear/imgScrewTop.png", 18, 15},
        {"frmScreenDAS_DS/imgTopWeight.png", 70, 80},
        {"frmScreenDAS_DS/imgBeads1.png", 172, 8},
        {"frmScreenDAS_DS/imgBeads2.png", 172, 8},
        {"frmTTT/imgHCT_1.png", 161, 39},
        {"frmTTT/imgHCT_2.png", 163, 36},
        {"frmTTT/imgHCT_3.png", 108, 277},
        {"frmTTT/imgHCT_4.png", 155, 268},
        {"frmTTT/imgHCT_5.png", 109, 31},
        {"frmTTT/imgHCT_6.png", 162, 35},
        {"frmTTT/imgHCT_7.png", 109, 13},
        {"frmTTT/imgHCT_8.png", 162, 314},
        {"frmTTT/imgHCT_9.png", 166, 14},
        {"frmTTT/imgHCT_10.png", 124, 231},
        {"frmTTT/imgHCT_11.png", 188, 60},
        {"frmTTT/imgHCT_12.png", 122, 49},
        {"frmTTT/imgHCT_13.png", 185, 321},
        {"frmTTT/imgHCT_14.png", 184, 36},
        {"frmTTT/imgHCT_15.png", 16, 66},
    };
    for (const Form& f : forms) {
        SCOPED_TRACE(f.name);
        const QImage img(lx::pictures::formPicture(QString::fromLatin1(f.name)));
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(f.width, f.height));
        EXPECT_GE(distinctColours(img, 6), 6);
    }
}

// The main scale is read as 90 - L / 88.5 mm under the vernier's zero for the scale's
// left edge L (twips): the graduations must stand where that reading puts them.
TEST(MeasurementPictures, ScaleGraduationsAgreeWithTheReadingFormula)
{
    namespace M = lx::pictures::measurement;
    const QImage scale(installed("/pictures/Vernier1.jpg"));
    const QImage vernier(installed("/pictures/Vernier2.jpg"));
    ASSERT_FALSE(scale.isNull());
    ASSERT_FALSE(vernier.isNull());
    // Graduations are thin dark lines, anti-aliased over two pixels at fractional
    // positions: find each run of darkened pixels along a row and take its centroid.
    auto lines = [](const QImage& img, int row, int from) {
        std::vector<double> centres;
        double weight = 0, moment = 0;
        for (int x = from; x < img.width(); ++x) {
            const double d = std::max(0, 170 - qGray(img.pixel(x, row)));
            if (d > 0) {
                weight += d;
                moment += d * x;
            } else if (weight > 0) {
                centres.push_back(moment / weight);
                weight = moment = 0;
            }
        }
        return centres;
    };

    // The vernier's zero: its first graduation from the left, along its top edge.
    const std::vector<double> marks = lines(vernier, 6, 2);
    ASSERT_FALSE(marks.empty());
    EXPECT_NEAR(M::imgVernier2.left + (marks.front() + 0.5) * 15.0, M::vernierZero, 10.0);

    // Centimetre graduations are the long ones; each must read its value when the
    // formula puts it under the zero: value = 90 - L / 88.5 with L = zero - x * 15.
    int found = 0;
    for (double x : lines(scale, scale.height() - 15, 0)) {
        const double L = M::vernierZero - (x + 0.5) * 15.0;
        const double reading = 90.0 - L / M::twipsPerMm;
        EXPECT_NEAR(reading, std::round(reading / 10) * 10, 0.15) << "long graduation at x " << x;
        ++found;
    }
    EXPECT_GE(found, 12) << "one long graduation per centimetre along 133 mm";
}

// The cell picture's hot-spots: the valves and the specimen are drawn under them.
TEST(TriaxialCellPicture, HotSpotsLieOnTheInletsAndTheSpecimen)
{
    const QImage cell(installed("/Pictures/Triaxial.gif"));
    ASSERT_FALSE(cell.isNull());
    // Painted scaled to 5640 x 6720 twips, so one pixel is 15 twips.
    auto at = [&](double xTwips, double yTwips) { return QColor(cell.pixel(int(xTwips / 15), int(yTwips / 15))); };
    for (const QColor c : {at(625, 5550), at(4875, 5485)}) {  // cell-pressure and back-pressure inlets
        EXPECT_GT(c.red(), c.blue() + 40) << "a brass valve";
        EXPECT_LT(c.lightness(), 240);
    }
    const QColor soil = at(2750, 4165);
    EXPECT_GT(soil.red(), soil.blue());
    EXPECT_LT(soil.lightness(), 170) << "the specimen";
}
