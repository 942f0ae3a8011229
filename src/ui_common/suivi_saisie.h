#pragma once
// What an editing window's controls show, set against what they showed when
// the record was last shown or stored: a change is pending as soon as they
// differ, whatever made the difference (a key, the mouse, a paste from the
// context menu or the middle button, a drop, an input method). Followed:
// line edits, text boxes, lists (their position, and the text of an editable
// one), check boxes and options.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

class suivi_saisie : public QObject {
public:
    suivi_saisie() = default;

    // The controls of the record. changement runs when one of them changes,
    // outside a filling, and they then show something else than what was
    // retained. What they show now is retained.
    void suit(std::vector<QWidget*> contrôles, std::function<void()> changement = {});

    // What the controls show now is what is stored.
    void retiens();
    // The same for one control, whose value has just been stored directly.
    void retiens(const QWidget* contrôle);
    // Some control shows something else than what was retained; never while
    // the window fills them.
    bool modifiée() const;

    // The window fills the controls itself while the guard lives: nothing is
    // reported, and what they show at the end of the outermost filling is
    // retained.
    class remplissage {
    public:
        explicit remplissage(suivi_saisie& s) : s_(s) { ++s_.remplissages_; }
        ~remplissage()
        {
            if (--s_.remplissages_ == 0)
                s_.retiens();
        }
        remplissage(const remplissage&) = delete;
        remplissage& operator=(const remplissage&) = delete;

    private:
        suivi_saisie& s_;
    };
    [[nodiscard]] remplissage remplit() { return remplissage(*this); }

private:
    void changé();

    std::vector<QPointer<QWidget>> contrôles_;
    std::vector<QString> retenues_;
    std::function<void()> changement_;
    int remplissages_ = 0;
};
