#include "bertformat.h"

#include "rateunits.h"
#include "textfunctions.h"

#include <QRegularExpression>

namespace {

const char *const NoValue = "-";
constexpr int BerDecimals = 5;
constexpr int EventRateDecimals = 3;
constexpr int UserPatternDigits = 8;

} // namespace

const char *const BertUserPatternExpression = "^([0-9A-Fa-f]{8})$";

BertResultsView bertResultsView(const bert_settings_t *settings, const bert_results_t *results)
{
    BertResultsView v;
    const QString dash = QLatin1String(NoValue);
    if (!results) {
        v.elapsed = v.estimate = v.bits = v.errorBits = v.ber = v.lss = v.los = v.lssRate = v.losRate = dash;
        return v;
    }
    const bert_results_t &r = *results;
    v.elapsed = secondsToString(r.elapsed);
    if (!settings)
        v.estimate = dash;
    else
        v.estimate = secondsToString(settings->duration > r.elapsed ? settings->duration - r.elapsed : 0);
    v.bits = QString::number(quint64(r.bits));
    v.errorBits = QString::number(quint64(r.errorBits));
    v.ber = bertErrorRate(r.bits, r.errorBits);
    v.lss = QString::number(r.lss);
    v.los = QString::number(r.los);
    v.lssRate = bertEventRate(r.lss, r.elapsed);
    v.losRate = bertEventRate(r.los, r.elapsed);
    return v;
}

QString bertErrorRate(uint64_t bits, uint64_t errorBits)
{
    const float ratio = bits == 0 ? 0.0f : float(errorBits) / float(bits);
    return QString::number(double(ratio), 'e', BerDecimals);
}

QString bertEventRate(uint32_t count, uint32_t elapsedSeconds)
{
    const double rate = elapsedSeconds == 0 ? 0.0 : double(count) / double(elapsedSeconds);
    return QString::number(rate, 'f', EventRateDecimals);
}

QString bertUserPatternText(uint32_t pattern)
{
    return QStringLiteral("%1").arg(pattern, UserPatternDigits, 16, QLatin1Char('0')).toUpper();
}

bool bertUserPatternComplete(const QString &text)
{
    static const QRegularExpression complete{QString::fromLatin1(BertUserPatternExpression)};
    return complete.match(text).hasMatch();
}

uint32_t bertUserPatternValue(const QString &text)
{
    if (!bertUserPatternComplete(text))
        return BertFallbackUserPattern;
    return text.toUInt(nullptr, 16);
}

int bertOffsetLimit(int frameSize)
{
    const int limit = frameSize - BertOffsetReserve;
    if (limit < 0)
        return 0;
    return limit > BertMaxPatternOffset ? BertMaxPatternOffset : limit;
}

int bertPatternIndex(uint8_t code)
{
    return code < BertPatternCount ? int(code) : -1;
}

uint8_t bertPatternCode(int index, uint8_t stored)
{
    if (index < 0 || index >= BertPatternCount)
        return stored;
    return uint8_t(index);
}

int bertUnitIndex(uint8_t code)
{
    return code > RateUnitMbps ? -1 : unitCodeToIndex(code);
}

uint8_t bertUnitCode(int index, uint8_t stored)
{
    if (index < 0)
        return stored;
    return unitIndexToCode(index);
}
