#include "catalogue/cible_page.h"

#include "data/valeurs.h"
#include "ui_common/symboles.h"

#include <cmath>

QString glyphes_stockés(const QString& caractères)
{
    QString glyphes;
    for (const QChar c : caractères)
        glyphes += glyphe_wingdings(code_symbole(QString(c)));
    return glyphes;
}

QString glyphe_de_code(const QString& code)
{
    double v = 0;
    if (!lit_nombre(code, v) || !std::isfinite(v) || v != std::floor(v) || std::fabs(v) > 1e6)
        return {};
    return glyphe_wingdings(static_cast<int>(v));
}
