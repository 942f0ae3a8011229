#pragma once
// The about box: the maker, the program's version, the web page and the mail
// address as clickable texts. A click outside the texts, the loss of the
// focus or the closing button closes it.
#include "ui_common/fenetres.h"

#include <QString>
#include <array>

class QLabel;
class QPushButton;

inline constexpr int version_majeure = 1, version_mineure = 2, version_révision = 0;
inline const QString adresse_site = QStringLiteral("https://ostrane.example.org/trovane");
inline const QString adresse_courriel = QStringLiteral("  trovane@ostrane.example.org ");

class p_a_propos : public fenêtre_modale {
public:
    explicit p_a_propos(QWidget* parent = nullptr);

    void Form_Load();
    void bt_quitter_Click();
    void Form_Click();
    void Form_LostFocus();
    void Text2_Click(int index);

    QLabel* desciption = nullptr;
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 5> text2{};  // 1 to 4 used
    QPushButton* bt_quitter = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
};
