#pragma once

#include <QDialog>

#include <memory>

class UserDefaults;

namespace Ui {
class PreferencesDialog;
}

// The page's player options, each written to the settings store when toggled.
class PreferencesDialog : public QDialog
{
    Q_OBJECT
public:
    PreferencesDialog(UserDefaults &defaults, QWidget *parent = nullptr);
    ~PreferencesDialog() override;

private:
    std::unique_ptr<Ui::PreferencesDialog> m_ui;
};
