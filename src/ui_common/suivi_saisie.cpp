#include "ui_common/suivi_saisie.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// What a control shows, as one text.
QString valeur(const QWidget* w)
{
    if (!w)
        return {};
    if (const auto* l = qobject_cast<const QLineEdit*>(w))
        return l->text();
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(w))
        return t->toPlainText();
    if (const auto* t = qobject_cast<const QTextEdit*>(w))
        return t->toPlainText();
    if (const auto* c = qobject_cast<const QComboBox*>(w)) {
        const QString position = QString::number(c->currentIndex());
        return c->isEditable() ? position + QLatin1Char('\n') + c->currentText() : position;
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return {};
}

}  // namespace

void suivi_saisie::suit(std::vector<QWidget*> contrôles, std::function<void()> changement)
{
    changement_ = std::move(changement);
    contrôles_.assign(contrôles.begin(), contrôles.end());
    const auto changé = [this] { this->changé(); };
    for (QWidget* w : contrôles) {
        if (auto* l = qobject_cast<QLineEdit*>(w))
            connect(l, &QLineEdit::textChanged, this, changé);
        else if (auto* t = qobject_cast<QPlainTextEdit*>(w))
            connect(t, &QPlainTextEdit::textChanged, this, changé);
        else if (auto* t = qobject_cast<QTextEdit*>(w))
            connect(t, &QTextEdit::textChanged, this, changé);
        else if (auto* c = qobject_cast<QComboBox*>(w)) {
            connect(c, &QComboBox::currentIndexChanged, this, changé);
            connect(c, &QComboBox::editTextChanged, this, changé);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w))
            connect(b, &QAbstractButton::toggled, this, changé);
    }
    retiens();
}

void suivi_saisie::retiens()
{
    retenues_.clear();
    for (const QPointer<QWidget>& w : contrôles_)
        retenues_.push_back(valeur(w));
}

void suivi_saisie::retiens(const QWidget* contrôle)
{
    for (std::size_t i = 0; i < contrôles_.size() && i < retenues_.size(); ++i)
        if (contrôles_[i] == contrôle)
            retenues_[i] = valeur(contrôle);
}

bool suivi_saisie::modifiée() const
{
    // While the window fills the controls, what they show is its own doing.
    if (remplissages_ > 0)
        return false;
    for (std::size_t i = 0; i < contrôles_.size() && i < retenues_.size(); ++i)
        if (valeur(contrôles_[i]) != retenues_[i])
            return true;
    return false;
}

void suivi_saisie::changé()
{
    if (changement_ && modifiée())
        changement_();
}
