#include "reportformat.h"

#include "devicetexts.h"
#include "textfunctions.h"
#include "y1564records.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// Words are marked with QT_TRANSLATE_NOOP where they are written.
QString word(const char *text)
{
    return QCoreApplication::translate("PDFCreator", text);
}

const char *const NoValue = "-";

struct Scaled
{
    double value;
    const char *unit;   // null: below 1 ns (or NaN), shown as "0"
    double divisor;     // nanoseconds per unit
};

// Nanoseconds to the largest unit that keeps the value above 1 (999 ns stay ns).
Scaled scaleNanoseconds(double v)
{
    const double a = std::fabs(v);
    if (a > 1e9)
        return {v / 1e9, QT_TRANSLATE_NOOP("PDFCreator", "s"), 1e9};
    if (a > 999999)
        return {v / 1e6, QT_TRANSLATE_NOOP("PDFCreator", "ms"), 1e6};
    if (a > 999)
        return {v / 1e3, QT_TRANSLATE_NOOP("PDFCreator", "us"), 1e3};
    if (!(a >= 1))
        return {0, nullptr, 1};   // and NaN
    return {std::trunc(v), QT_TRANSLATE_NOOP("PDFCreator", "ns"), 1};   // whole nanoseconds
}

} // namespace

QString reportUnitText(uint8_t code)
{
    static const char *const units[] = {
        "%",
        QT_TRANSLATE_NOOP("PDFCreator", "bps"),
        QT_TRANSLATE_NOOP("PDFCreator", "kbps"),
        QT_TRANSLATE_NOOP("PDFCreator", "Mbps"),
    };
    const int index = code & 3;
    return index == 0 ? QString::fromLatin1(units[0]) : word(units[index]);
}

QString tosToBinaryText(int tos)
{
    switch (tos) {
    case 0: return QStringLiteral("0000");
    case 1: return QStringLiteral("0001");
    case 2: return QStringLiteral("0010");
    case 4: return QStringLiteral("0100");
    case 8: return QStringLiteral("1000");
    default: return word(QT_TRANSLATE_NOOP("PDFCreator", "Unknown"));
    }
}

QString dscpReportName(uint8_t code)
{
    // Index order of the forms' DSCP table (dscpToIndex), spelled as the
    // report has always shown them.
    static const char *const names[DscpTableSize] = {
        "AF11 ( 001010 )", "AF12 ( 001100 )", "AF13 ( 001110 )",
        "AF21 ( 010010 )", "AF22 ( 010100 )", "AF23 ( 010110 )",
        "AF31 ( 011010 )", "AF32 ( 011100 )", "AF33 ( 011110 )",
        "AF41 ( 100010 )", "AF42 ( 100100 )", "AF43 ( 100110 )",
        "CS1  ( 001000 )", "CS2  ( 010000 )", "CS3  ( 011000 )", "CS4  ( 100000 )",
        "CS5  ( 101000 )", "CS6  ( 110000 )", "CS7  ( 111000 )",
        "default ( 000000 )",
        "EF   ( 101110 )",
    };
    return QString::fromLatin1(names[dscpToIndex(code)]);
}

QString nanosecondsToAxisText(float nanoseconds, float scale)
{
    if (!std::isfinite(nanoseconds))
        return QString::number(double(nanoseconds));
    const Scaled unit = scaleNanoseconds(scale);
    if (!unit.unit || nanoseconds == 0)
        return QStringLiteral("0");
    const double v = double(nanoseconds) / unit.divisor;
    if (std::fabs(v) > 1000)
        return QString::number(v, 'f', 0);
    // Two decimals, unless they are too few to show a value that is not 0.
    if (std::fabs(v) < 0.01)
        return QString::number(v, 'g', 2);
    return QString::number(v, 'f', 2);
}

QString latencyUnitSuffix(const QList<double> &nanoseconds)
{
    double largest = 0;
    for (double v : nanoseconds) {
        if (std::isfinite(v))
            largest = qMax(largest, std::fabs(v));
    }
    const Scaled s = scaleNanoseconds(largest);
    return s.unit ? QStringLiteral(", ") + word(s.unit) : QString();
}

QString y1564StepStatusText(const ReportFile &report, int step, int stream)
{
    if (step < 0 || step >= Y1564ConfigSteps || stream < 0 || stream >= Y1564Streams)
        return testStatusText(StatusWait);
    const y1564_settings_t settings = report.settings<y1564_settings_t>();
    const y1564_results_t results = report.results<y1564_results_t>();

    constexpr int LastStepLoadStep = 2;
    constexpr int PolicyStep = 5;
    const bool off = (step <= LastStepLoadStep && !(settings.flags & Y1564FlagStepLoad))
                     || (step >= PolicyStep && !(settings.flags & Y1564FlagPolicy));
    if (off || !settings.streams[stream].active)
        return testStatusText(StatusOff);
    if (results.stepStatus[step] != 0)
        return testStatusText(results.stepStatus[step]);

    bool anyFailure = false;
    for (const y1564_result_entry_t &entry : results.config[step])
        anyFailure = anyFailure || (entry.failures & Y1564FailConfigBits);
    const bool done = step < results.currentStep || (step == results.currentStep && anyFailure);
    // The first criterion decides: a failed one gives Error; a passed one
    // gives OK once the step is done.
    const uint8_t failures = results.config[step][stream].failures;
    for (uint8_t bit : {Y1564FailIr, Y1564FailFl, Y1564FailFtd, Y1564FailFdv}) {
        if (failures & bit)
            return testStatusText(StatusError);
        if (done)
            return testStatusText(StatusOk);
    }
    return testStatusText(StatusWait);
}

InterfaceStatusTexts interfaceStatusTexts(const port_link_t &link)
{
    InterfaceStatusTexts t{word(QT_TRANSLATE_NOOP("PDFCreator", "No sync")), QLatin1String(NoValue), QLatin1String(NoValue)};
    if (!link.up)
        return t;
    static const char *const speeds[] = {"10", "100", "1000"};
    t.speed = link.speed < 3 ? QStringLiteral("%1 %2").arg(QLatin1String(speeds[link.speed]), word("Mbps"))
                             : QLatin1String(NoValue);
    if (link.medium == 0)
        t.type = word(QT_TRANSLATE_NOOP("PDFCreator", "Copper"));
    else if (link.medium == 1)
        t.type = word(QT_TRANSLATE_NOOP("PDFCreator", "Fiber"));
    if (link.duplex == 0)
        t.duplex = QStringLiteral("HDX");
    else if (link.duplex == 1)
        t.duplex = QStringLiteral("FDX");
    return t;
}
