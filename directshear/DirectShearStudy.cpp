#include "directshear/DirectShearStudy.h"

#include "lab/ParamBoxes.h"
#include "lab/StoredTest.h"
#include "platform/Database.h"

namespace directshear {

namespace {

// Texts of the study: a missing value stays empty.
const lx::ParamFormat studyFormat{.classic = false, .single = false, .zeroIsMissing = false, .missing = QString()};

QString testName(const QString& id, const QString& stress)
{
    return stress.isEmpty() ? QStringLiteral("test ") + id
                            : QStringLiteral("test ") + id + QStringLiteral(" (") + stress + QStringLiteral(" kPa)");
}

} // namespace

lx::ColumnMap PointColumns()
{
    using lx::ColumnRule;
    return {ColumnRule::field(3).rounded(3), ColumnRule::field(4).rounded(1), ColumnRule::field(5).rounded(3)};
}

ParamStudy::ParamStudy() : points_(PointColumns(), lx::ScreenCap) { clear(); }

void ParamStudy::clear()
{
    sand_.clear();
    texts_.clear();
    for (int i = 0; i < TextCount; ++i)
        texts_ << QString();
    testIDs_.clear();
    points_.clear();
    message_.clear();
}

std::vector<int16_t> ParamStudy::curveCounts() const
{
    std::vector<int16_t> counts(11, 0);
    counts[0] = int16_t(tests());
    for (int t = 0; t < tests(); ++t)
        counts[size_t(t) + 1] = int16_t(points_.testPoints(t));
    return counts;
}

void ParamStudy::chooseSand(lx::Connection& connection, const lx::SoilEntry& sand)
{
    clear();
    try {
        lx::Recordset info;
        lx::Recordset rs;
        rs.Open(ReferenceSql(sand.referenceNumber), connection, lx::adOpenDynamic);
        const bool haveReference = !rs.eof();
        if (haveReference) {
            texts_[3] = lx::ParamText(rs.Fields(4), studyFormat);
            texts_[4] = lx::ParamText(rs.Fields(5), studyFormat);
        }
        rs.Close();

        info.Open(StudyTestInfoSql(sand.referenceNumber), connection, lx::adOpenDynamic);
        if (!haveReference || info.eof()) {
            clear();
            message_ = (haveReference ? QStringLiteral("The database holds no test of ")
                                      : QStringLiteral("The database holds no specimen data of "))
                       + sand.name + QStringLiteral(".\rPlease select another sand.");
            return;
        }
        sand_ = sand.name;
        texts_[0] = lx::ParamText(info.Fields(2), studyFormat);
        texts_[1] = lx::ParamText(info.Fields(3), studyFormat);
        texts_[2] = lx::ParamText(info.Fields(9), studyFormat);

        QStringList leftOut;
        for (; !info.eof(); info.MoveNext()) {
            const QString id = info.Fields(1).isMissing() ? QString() : info.Fields(1).toText();
            const QString stress = lx::ParamText(info.Fields(8), studyFormat);
            const QString name = testName(id, stress);
            if (id.isEmpty()) {
                leftOut << QStringLiteral("a test without a TestID");
                continue;
            }
            if (tests() == MaxTests) {
                leftOut << name + QStringLiteral(": a report holds at most three tests");
                continue;
            }
            const lx::LoadedTest loaded =
                lx::loadStoredTest(points_, connection, {QString(), TestResultsSql(), {id}, id}, lx::TestFit::WholeOnly);
            if (loaded.failure == lx::LoadedTest::Failure::Unreadable)
                throw lx::DatabaseError(loaded.message);
            if (loaded.failure == lx::LoadedTest::Failure::NoPoints) {
                leftOut << name + QStringLiteral(": no stored points");
            } else if (loaded.refused) {
                leftOut << name + QStringLiteral(": its points would take the report past %1 points").arg(lx::ScreenCap);
            } else {
                for (const QString& note : loaded.leftOut())
                    leftOut << name + QStringLiteral(": ") + note;
                const int k = tests() ;
                testIDs_ << id;
                texts_[5 + 2 * k] = stress;
                texts_[6 + 2 * k] = lx::ParamText(info.Fields(7), studyFormat);
            }
        }
        if (!canReport()) {
            message_ = QStringLiteral("No stored test of ") + sand.name
                       + QStringLiteral(" can be reported:\r") + leftOut.join(QStringLiteral("\r"))
                       + QStringLiteral("\rPlease select another sand.");
            const QString keep = message_;
            clear();
            message_ = keep;
        } else if (!leftOut.isEmpty()) {
            message_ = QStringLiteral("Left out of the study of ") + sand.name + QStringLiteral(":\r")
                       + leftOut.join(QStringLiteral("\r"));
        }
    } catch (...) {
        clear();
        throw;
    }
}

} // namespace directshear
