#include "model/enumerations.h"

#include <array>

namespace {

template <size_t N>
QString Lookup(const std::array<const char*, N>& texts, int position)
{
    if (position < 0 || position >= int(N))
        return QString();
    return QString::fromLatin1(texts[size_t(position)]);
}

const std::array<const char*, 4> InfluenceLevels = {
    "slight influence", "moderate influence", "strong influence", "total control" };
const std::array<const char*, 7> PreferenceLevels = {
    "most undesirable", "very undesirable", "undesirable", "no opinion",
    "desirable", "very desirable", "most desirable" };
const std::array<const char*, 7> FeasibilityLevels = {
    "impossible", "problematic", "unlikely", "OK", "promising", "favorable", "ideal" };
const std::array<const char*, 5> ChangeDirections = {
    "decrease with X", "X or less", "", "X or more", "increase with X" };
const std::array<const char*, 7> VMErrorTexts = {
    "#SYNTAX!", "#ATTRIBUTE?", "#STACK?", "#CONFLICT!", "#NEG.LOG!", "#DIV0!", "" };

} // namespace

QString InfluenceLevelText(int influence) { return Lookup(InfluenceLevels, influence - 1); }
QString PreferenceLevelText(int preference) { return Lookup(PreferenceLevels, preference + 3); }
QString FeasibilityLevelText(int feasibility) { return Lookup(FeasibilityLevels, feasibility + 3); }
QString ChangeDirectionText(int direction) { return Lookup(ChangeDirections, direction + 2); }
QString VMErrorText(int errorCode) { return Lookup(VMErrorTexts, errorCode + 6); }

QString FaceImage(int value, const QString& word)
{
    return QStringLiteral("<img src=\"img/face%1.bmp\" alt=\"%2\">").arg(value).arg(word);
}

QString WeightImage(int influence, const QString& word)
{
    return QStringLiteral("<img src=\"img/wght%1.bmp\" alt=\"%2\">").arg(influence).arg(word);
}
