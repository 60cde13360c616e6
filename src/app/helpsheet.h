#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class HelpSheet;
}

// The help sheet: what the application does and where to ask, with links to
// the developer's other applications.
class HelpSheet : public QDialog
{
    Q_OBJECT
public:
    explicit HelpSheet(QWidget *window);
    ~HelpSheet() override;

private:
    std::unique_ptr<Ui::HelpSheet> m_ui;
};
