// Random table contents: the import ends one way or another, never crashes.
#include "bytesasrows.h"
#include "import/caseimport.h"
#include "model/case.h"
#include "model/messagerecorder.h"

#include <gtest/gtest.h>
#include <random>

namespace {

TEST(RandomRows, ImportEndsCleanlyOnAnyContents)
{
    std::mt19937 random(20261206);
    int imported = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(int(random() % 600), '\0');
        for (char& b : bytes)
            b = char(random());
        TOldDatabaseBuilder db(QStringLiteral(":memory:"));
        FillFromBytes(db, bytes);
        TMessageRecorder quiet;
        const TImportResult result = ImportCase(db.Database(), QStringLiteral("F"));
        EXPECT_EQ(bool(result.Case), result.Outcome == TImportOutcome::Imported);
        imported += result.Outcome == TImportOutcome::Imported;
    }
    EXPECT_GT(imported, 0);
}

} // namespace
