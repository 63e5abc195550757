#include "platform/user/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <optional>

namespace vandrel::user {
namespace {

std::optional<hooks::DialogFontMetrics>& MetricsOverride() {
    static std::optional<hooks::DialogFontMetrics> metrics;
    return metrics;
}

// Rounds half away from zero, as the original scaling did.
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if ((dialogTemplate.style & DS_SETFONT) == 0 || dialogTemplate.fontName == nullptr) {
        return font;
    }
    const QString face = QString::fromLocal8Bit(dialogTemplate.fontName);
    if (QFontDatabase::families().contains(face, Qt::CaseInsensitive)) {
        font.setFamily(face);
    }
    font.setPointSize(dialogTemplate.pointSize);
    return font;
}

hooks::DialogFontMetrics BaseUnitsOf(const QFont& font) {
    if (const auto& metrics = MetricsOverride()) {
        return *metrics;
    }
    // The average of the 52 letters, rounded, as dialog units always were.
    const QFontMetrics measures(font);
    const int letters = measures.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, measures.height()};
}

int HorizontalPixels(int units, const hooks::DialogFontMetrics& base) {
    return ScaleRounded(units, base.averageCharWidth, 4);
}

int VerticalPixels(int units, const hooks::DialogFontMetrics& base) {
    return ScaleRounded(units, base.charHeight, 8);
}

}  // namespace vandrel::user

namespace vandrel::hooks {

void SetDialogFontMetrics(std::optional<DialogFontMetrics> metrics) {
    vandrel::user::MetricsOverride() = metrics;
}

}  // namespace vandrel::hooks
