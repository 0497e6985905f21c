#include "support/unexpectedmessages.h"

#include "model/messages.h"

#include <QStringList>

namespace {

class TUnexpectedMessages final : public TMessageSink, public ::testing::EmptyTestEventListener
{
public:
    void Error(const QString& message) override { Heard << QStringLiteral("error: ") + message; }
    void Warning(const QString& message) override { Heard << QStringLiteral("warning: ") + message; }
    void Information(const QString&) override {}
    bool Confirm(const QString&) override { return false; }
    void Status(const QString&) override {}
    void Busy(bool) override {}
    void RepairFormula(TEffect&) override { Heard << QStringLiteral("repair"); }

    // A test that installed a sink of its own may have restored the silent one.
    void OnTestStart(const ::testing::TestInfo&) override
    {
        Heard.clear();
        SetMessageSink(this);
    }
    // End events run before the result is printed, so the failure counts.
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        if (!Heard.isEmpty())
            ADD_FAILURE() << "Unexpected messages: " << Heard.join(QStringLiteral(" | ")).toStdString();
        Heard.clear();
    }

private:
    QStringList Heard;
};

} // namespace

void FailTestsOnUnexpectedMessages()
{
    // The listener list owns it; the sink lives as long as the test program.
    ::testing::UnitTest::GetInstance()->listeners().Append(new TUnexpectedMessages);
}
