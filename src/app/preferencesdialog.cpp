#include "app/preferencesdialog.h"

#include "app/userdefaults.h"
#include "export/exportchoice.h"
#include "ui_preferences.h"

#include <QCheckBox>

PreferencesDialog::PreferencesDialog(UserDefaults &defaults, const QString &av1Unavailable, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PreferencesDialog>())
{
    m_ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    const std::pair<QCheckBox *, QString> switches[] = {
        {m_ui->controlsCheckBox, PreferenceKeys::controls},
        {m_ui->autoplayCheckBox, PreferenceKeys::autoplay},
        {m_ui->loopCheckBox, PreferenceKeys::loop},
        {m_ui->mutedCheckBox, PreferenceKeys::muted},
        {m_ui->fastStartCheckBox, PreferenceKeys::fastStart},
        {m_ui->adaptiveCheckBox, PreferenceKeys::adaptive},
        {m_ui->approximateSizeCheckBox, PreferenceKeys::approximateSize},
        {m_ui->minimalPageCheckBox, PreferenceKeys::minimalPage},
        {m_ui->av1VersionCheckBox, PreferenceKeys::av1Version},
        {m_ui->loudnessCheckBox, PreferenceKeys::loudness},
    };
    for (const auto &[box, key] : switches) {
        box->setChecked(defaults.boolean(key));
        connect(box, &QCheckBox::toggled, this, [&defaults, key](bool on) { defaults.setValue(key, on); });
    }
    // Browsers start a video by themselves only when it is muted; Muted can still be turned off again.
    connect(m_ui->autoplayCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_ui->mutedCheckBox->setChecked(true);
    });
    const auto showAv1Availability = [this, av1Unavailable] {
        const QString reason = !av1Unavailable.isEmpty() ? av1Unavailable
            : m_ui->minimalPageCheckBox->isChecked()      ? noAv1WithMinimalPage()
                                                          : QString();
        m_ui->av1VersionCheckBox->setEnabled(reason.isEmpty());
        m_ui->av1UnavailableLabel->setText(reason);
        m_ui->av1UnavailableLabel->setVisible(!reason.isEmpty());
        m_ui->av1VersionCheckBox->setAccessibleDescription(reason); // heard where it is seen
    };
    showAv1Availability();
    connect(m_ui->minimalPageCheckBox, &QCheckBox::toggled, this, showAv1Availability);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::close);
    // Sized to its texts: a wrapped hint gets its whole height, in any font size and language.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

PreferencesDialog::~PreferencesDialog() = default;
