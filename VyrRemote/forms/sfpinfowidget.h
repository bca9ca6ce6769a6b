#pragma once

#include "sfprecords.h"

#include <QWidget>

#include <optional>

namespace Ui {
class SFPInfoWidget;
}

// The panel of one port's SFP module: its identification and, where the
// module offers them, its monitoring values (temperature, RX and TX power).
// A plain QWidget embedded by OptTestForm and re-texted by it; it talks to
// nothing and keeps a copy of the last record it was handed. GUI thread only.
class SFPInfoWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SFPInfoWidget(QWidget *parent = nullptr);
    ~SFPInfoWidget() override;

    // Shows the record (a copy is kept; the pointer is not). Null is ignored.
    void setInfo(const sfp_info_t *info);
    // 0 titles the panel "A", any other value "B".
    void setPanelIndex(int index);
    void updateTitle();
    // The monitoring group; setInfo() leaves its visibility alone.
    void setDdmVisible(bool visible);
    // Sets the labels and the title again and redraws the record on show
    // in the current language.
    void retranslate();

private:
    void showInfo(const sfp_info_t &info);

    Ui::SFPInfoWidget *ui;
    int m_panelIndex = 0;
    std::optional<sfp_info_t> m_info;
};
