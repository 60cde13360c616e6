#include "app/helpsheet.h"

#include "app/links.h"
#include "ui_helpsheet.h"

HelpSheet::HelpSheet(QWidget *window) : QDialog(window), m_ui(std::make_unique<Ui::HelpSheet>())
{
    m_ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    // This platform has no store prompt to rate the application from.
    m_ui->rateAppBTN->hide();
    connect(m_ui->okBTN, &QPushButton::clicked, this, &QDialog::hide);
    connect(m_ui->quillreelBTN, &QPushButton::clicked, this, [] { Links::open(Links::quillreelApp); });
    connect(m_ui->otherAppsBTN, &QPushButton::clicked, this, [] { Links::open(Links::otherApps); });
    connect(m_ui->whatsAppBTN, &QPushButton::clicked, this, [] { Links::open(Links::messaging); });
    connect(m_ui->rateAppBTN, &QPushButton::clicked, this, [] { Links::requestReview(); });
    // Sized to its text: lines of about 60 characters in the font in use, wrapped whole.
    m_ui->helpText->setMinimumWidth(m_ui->helpText->fontMetrics().averageCharWidth() * 60);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

HelpSheet::~HelpSheet() = default;
