#pragma once
// Picture1: the letter-size page panel with the controls of its 40 problems. The worksheet
// window shows it on screen; saving worksheets fills one that is never shown. Either way the page
// painter draws it, so what prints and what is saved are one page.
#include "printed_sheet.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace zorvix {

class LineWidget;
class SvgPicture;

class PagePanel final : public QWidget {
public:
    explicit PagePanel(QWidget* parent = nullptr);

    // Puts the problems of a page onto the slot controls: texts, places and what is shown.
    void showPage(const PrintedPageView& view);

private:
    struct SlotControls {
        QLabel* num1 = nullptr;
        QLabel* num2 = nullptr;
        QLabel* sign = nullptr;
        SvgPicture* image1 = nullptr;
        LineWidget* line1 = nullptr;
        QLineEdit* answer = nullptr;
    };

    std::array<SlotControls, kPrintedSlots> m_slots{};
};

} // namespace zorvix
