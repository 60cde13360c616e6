#pragma once

#include <QDialog>
#include <QString>

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
    // av1Unavailable: why the encoder cannot make the AV1 version; empty when it can.
    PreferencesDialog(UserDefaults &defaults, const QString &av1Unavailable, QWidget *parent = nullptr);
    ~PreferencesDialog() override;

private:
    std::unique_ptr<Ui::PreferencesDialog> m_ui;
};
