#include <QtTest>
#include <limits>

#include "config/ConfigDocument.h"
#include "config/Failure.h"
#include "ui/LayoutMath.h"

using namespace LayoutMath;

namespace {

Sizes exampleSizes() {
    Sizes s;
    s.minwidth = 5500;
    s.minheight = 3600;
    s.header = 120;
    s.footer = 1200;
    s.right = 180;
    s.center = 200;
    return s;
}

}  // namespace

class TestLayoutMath : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void passIsStable();
    void footerTopRoundsHalfToEven_data();
    void footerTopRoundsHalfToEven();
    void springBack_data();
    void springBack();
    void negativeTextBoxesRefused_data();
    void negativeTextBoxesRefused();
    void footerBeyond32BitsRefused();
    void readSizes();
    void readSizesFailures_data();
    void readSizesFailures();
};

void TestLayoutMath::workedExample() {
    const Result r = layout(exampleSizes(), {6000, 4000}, initialControls());
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.footerTop, 2800);
    const Controls& c = r.controls;
    QCOMPARE(c.txtFrom.top, 120.0);
    QCOMPARE(c.txtFrom.height, 1140.0);
    QCOMPARE(c.txtFrom.width, 5820.0);
    QCOMPARE(c.cboLanguages.top, 1302.5);
    QCOMPARE(c.cboEngines.top, 1302.5);
    QCOMPARE(c.cmdTranslate.top, 1317.5);
    QCOMPARE(c.cmdTranslate.left, 4500.0);
    QCOMPARE(c.txtTo.top, 1617.5);
    QCOMPARE(c.txtTo.height, 1140.0);
    QCOMPARE(c.txtTo.width, 5820.0);
    QCOMPARE(c.txtHearIt.left, 2650.0);
    QCOMPARE(c.txtHearIt.top, 2850.0);
    QCOMPARE(c.cmdHearIt.left, 4485.0);
    QCOMPARE(c.cmdHearIt.top, 2850.0);
    QCOMPARE(c.lblHint.left, 865.0);
    QCOMPARE(c.lblHint.top, 2920.0);

    // What the layout never touches keeps its initial value.
    const Controls init = initialControls();
    QCOMPARE(c.txtFrom.left, init.txtFrom.left);
    QCOMPARE(c.cboEngines.left, init.cboEngines.left);
    QCOMPARE(c.cboLanguages.width, init.cboLanguages.width);
    QCOMPARE(c.cmdHearIt.width, init.cmdHearIt.width);
    QCOMPARE(c.lblHint.width, init.lblHint.width);
    QCOMPARE(c.lblHint.height, init.lblHint.height);
}

void TestLayoutMath::passIsStable() {
    // A nested pass at the same size gives what a single pass gives.
    const Result once = layout(exampleSizes(), {7321, 5003}, initialControls());
    QVERIFY(once.ok);
    const Result twice = layout(exampleSizes(), {7321, 5003}, once.controls);
    QVERIFY(twice.ok);
    QVERIFY(once.controls == twice.controls);
}

void TestLayoutMath::footerTopRoundsHalfToEven_data() {
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("footerTop");
    QTest::addRow("2799.5 up to even") << 3999.5 << 2800;
    QTest::addRow("2800.5 down to even") << 4000.5 << 2800;
    QTest::addRow("2801.5 up to even") << 4001.5 << 2802;
    QTest::addRow("above a half") << 4000.6 << 2801;
}

void TestLayoutMath::footerTopRoundsHalfToEven() {
    QFETCH(double, height);
    QFETCH(int, footerTop);
    const Result r = layout(exampleSizes(), {6000, height}, initialControls());
    QVERIFY(r.ok);
    QCOMPARE(r.footerTop, footerTop);
    // The Hear It row adds whole numbers to the rounded footer top.
    QCOMPARE(r.controls.txtHearIt.top, double(footerTop + 50));
    QCOMPARE(r.controls.lblHint.top, double(footerTop + 120));
    QCOMPARE(r.controls.txtFrom.height, (footerTop - 120) / 2.0 - 200);
    QCOMPARE(roundHalfEven32(-0.5), std::optional<int>(0));
    QCOMPARE(roundHalfEven32(-1.5), std::optional<int>(-2));
}

void TestLayoutMath::springBack_data() {
    QTest::addColumn<bool>("withMinimum");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("wantWidth");
    QTest::addColumn<double>("wantHeight");
    QTest::addRow("narrow") << true << 4000.0 << 5000.0 << 5500.0 << 5000.0;
    QTest::addRow("low") << true << 6000.0 << 1000.0 << 6000.0 << 3600.0;
    QTest::addRow("both") << true << 10.0 << 10.0 << 5500.0 << 3600.0;
    QTest::addRow("no minimum given") << false << 10.0 << 10.0 << 10.0 << 10.0;
}

void TestLayoutMath::springBack() {
    QFETCH(bool, withMinimum);
    QFETCH(double, width);
    QFETCH(double, height);
    Sizes s = exampleSizes();
    if (!withMinimum) s.minwidth = s.minheight = std::nullopt;
    const OuterSize out = LayoutMath::springBack(s, {width, height});
    QTEST(out.width, "wantWidth");
    QTEST(out.height, "wantHeight");
}

void TestLayoutMath::negativeTextBoxesRefused_data() {
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("ok");
    // F - header = 2 * center exactly: height zero, still fine.
    QTest::addRow("zero height") << 6000.0 << 1720.0 << true;
    QTest::addRow("negative height") << 6000.0 << 1718.0 << false;
    QTest::addRow("zero width") << 180.0 << 4000.0 << true;
    QTest::addRow("negative width") << 179.0 << 4000.0 << false;
}

void TestLayoutMath::negativeTextBoxesRefused() {
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, ok);
    const Result r = layout(exampleSizes(), {width, height}, initialControls());
    QCOMPARE(r.ok, ok);
    QCOMPARE(r.error.isEmpty(), ok);
}

void TestLayoutMath::footerBeyond32BitsRefused() {
    QVERIFY(!layout(exampleSizes(), {6000, 3.0e9}, initialControls()).ok);
    // F fits, F + 120 does not.
    QVERIFY(!layout(exampleSizes(), {6000, 2147483600.0 + 1200}, initialControls()).ok);
    QVERIFY(!roundHalfEven32(std::numeric_limits<double>::infinity()));
}

void TestLayoutMath::readSizes() {
    ConfigDocument doc;
    QVERIFY(doc.loadFromBytes(
        R"(<P><Sizes minwidth="5500.5" header="120" footer="1200" right="180" center="200"/></P>)"));
    const Sizes s = LayoutMath::readSizes(doc.selectSingleNode(ConfigDocument::sizesQuery()));
    QCOMPARE(s.minwidth, std::optional<double>(5500.5));
    QVERIFY(!s.minheight);  // absent: that dimension has no minimum
    QCOMPARE(s.header, 120.0);
    QCOMPARE(s.footer, 1200.0);
    QCOMPARE(s.right, 180.0);
    QCOMPARE(s.center, 200.0);
}

void TestLayoutMath::readSizesFailures_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addRow("no Sizes") << QByteArray("<P><Other/></P>");
    QTest::addRow("no header") << QByteArray(R"(<P><Sizes footer="1" right="1" center="1"/></P>)");
    QTest::addRow("footer not a number")
        << QByteArray(R"(<P><Sizes header="1" footer="x" right="1" center="1"/></P>)");
    QTest::addRow("minimum not a number")
        << QByteArray(R"(<P><Sizes minheight="" header="1" footer="1" right="1" center="1"/></P>)");
}

void TestLayoutMath::readSizesFailures() {
    QFETCH(QByteArray, xml);
    ConfigDocument doc;
    QVERIFY(doc.loadFromBytes(xml));
    QVERIFY_THROWS_EXCEPTION(
        Failure, LayoutMath::readSizes(doc.selectSingleNode(ConfigDocument::sizesQuery())));
}

QTEST_GUILESS_MAIN(TestLayoutMath)
#include "test_layoutmath.moc"
