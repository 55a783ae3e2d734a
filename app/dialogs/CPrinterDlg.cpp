#include "app/dialogs/CPrinterDlg.h"

#include "language/PrinterLanguage.h"
#include "model/Limits.h"
#include "printer/PrinterDiscovery.h"
#include "printer/SerialSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quillset {

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// A field with its label, both known to screen readers by that label.
template <typename Field> Field* addField(QFormLayout* form, const QString& label, Field* field) {
    QString name = QString(label).remove('&');
    if (name.endsWith(':'))
        name.chop(1);
    field->setAccessibleName(name);
    form->addRow(label, field);
    return field;
}

QSpinBox* makeSpin(int low, int high, int value) {
    auto* spin = new QSpinBox;
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

// The highest value any language takes for the setting, so that one box
// holds every language's; OK checks the chosen language's range.
int highestOf(SettingRange LanguageFeatures::*setting) {
    int highest = 0;
    for (const LanguageInfo& info : kLanguages)
        highest = std::max(highest, (info.takes.*setting).high);
    return highest;
}

// "Darkness (density 0 to 15):" with the chosen language's range, in its
// own word where that is another, where it has one.
QString rangeLabel(const QString& label, const SettingRange& range) {
    if (!range.taken())
        return label + ':';
    const QString word = text(range.word);
    const QString own =
        QString(label).remove('&').compare(word, Qt::CaseInsensitive) == 0 ? QString() : word + ' ';
    return QStringLiteral("%1 (%2%3 to %4%5):")
        .arg(label, own)
        .arg(range.low)
        .arg(range.high)
        .arg(text(range.unit));
}

const QString kPrinterSetting = QStringLiteral("Printer's setting");

} // namespace

CPrinterDlg::CPrinterDlg(const PrinterSettings& printer, const SerialPort& serial,
                         const QStringList& queues, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Printer"));
    setAccessibleName(QStringLiteral("Printer"));

    connection_ = new QComboBox(this);
    connection_->setAccessibleName(QStringLiteral("Connection"));
    for (const ConnectionInfo& info : kConnections)
        connection_->addItem(text(info.label), static_cast<int>(info.kind));
    pages_ = new QStackedWidget(this);
    pages_->addWidget(makeSerialPage(serial));
    pages_->addWidget(makeFilePage(printer.device));
    pages_->addWidget(makeNetworkPage(printer));
    pages_->addWidget(makeCupsPage(printer.queue, queues));
    connect(connection_, &QComboBox::currentIndexChanged, pages_, &QStackedWidget::setCurrentIndex);
    connection_->setCurrentIndex(connection_->findData(static_cast<int>(printer.connection)));
    pages_->setCurrentIndex(connection_->currentIndex());

    auto* connectionBox = new QGroupBox(QStringLiteral("Connection"), this);
    auto* connectionForm = new QFormLayout;
    connectionForm->addRow(QStringLiteral("&Connection:"), connection_);
    auto* connectionLayout = new QVBoxLayout(connectionBox);
    connectionLayout->addLayout(connectionForm);
    connectionLayout->addWidget(pages_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CPrinterDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(connectionBox);
    layout->addWidget(makeLanguageBox(printer.language));
    layout->addWidget(buttons);
    connection_->setFocus();
}

QWidget* CPrinterDlg::makeSerialPage(const SerialPort& serial) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    serialPort_ = addField(form, QStringLiteral("&Port:"), new QComboBox(page));
    for (int i = 0; i < SerialPort::kPortCount; ++i)
        serialPort_->addItem(SerialPort::portNameAtIndex(i));
    serialDevice_ = addField(form, QStringLiteral("Device:"), new QLabel(page));
    connect(serialPort_, &QComboBox::currentTextChanged, serialDevice_,
            [this](const QString& name) { serialDevice_->setText(portDevicePath(name)); });
    serialPort_->setCurrentIndex(SerialPort::portIndex(serial.portName));
    serialDevice_->setText(portDevicePath(serialPort_->currentText()));
    baudRate_ = addField(form, QStringLiteral("&Baud rate:"), new QComboBox(page));
    for (int i = 0; i < SerialPort::kBaudRateCount; ++i)
        baudRate_->addItem(SerialPort::baudRateText(SerialPort::baudRateAtIndex(i)));
    baudRate_->setCurrentIndex(SerialPort::baudRateIndex(serial.baudRate));
    return page;
}

QWidget* CPrinterDlg::makeFilePage(const QString& device) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    device_ = addField(form, QStringLiteral("&Device or file:"), new QComboBox(page));
    device_->setEditable(true);
    device_->lineEdit()->setAccessibleName(device_->accessibleName());
    device_->setInsertPolicy(QComboBox::NoInsert);
    device_->setMinimumContentsLength(24);
    device_->addItems(usbPrinterDevices());
    device_->setCurrentText(device);
    return page;
}

QWidget* CPrinterDlg::makeNetworkPage(const PrinterSettings& printer) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    host_ = addField(form, QStringLiteral("&Host:"), new QLineEdit(printer.host, page));
    host_->setPlaceholderText(QStringLiteral("192.168.1.50 or printer.local"));
    port_ = addField(form, QStringLiteral("P&ort:"), makeSpin(1, 65535, printer.port));
    return page;
}

QWidget* CPrinterDlg::makeCupsPage(const QString& queue, const QStringList& queues) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    queue_ = addField(form, QStringLiteral("&Queue:"), new QComboBox(page));
    queue_->addItems(queues);
    if (!queue.isEmpty() && !queues.contains(queue))
        queue_->addItem(queue);
    // No queue is chosen for the user: printing to the wrong one wastes labels.
    queue_->setCurrentIndex(queue_->findText(queue));
    if (queues.isEmpty())
        form->addRow(new QLabel(QStringLiteral("CUPS knows no printer queues."), page));
    return page;
}

QWidget* CPrinterDlg::makeLanguageBox(const LanguageOptions& language) {
    auto* box = new QGroupBox(QStringLiteral("Language"), this);
    auto* form = new QFormLayout(box);
    languageForm_ = form;
    language_ = addField(form, QStringLiteral("&Language:"), new QComboBox(box));
    for (const LanguageInfo& info : kLanguages)
        language_->addItem(text(info.label), static_cast<int>(info.language));
    language_->setCurrentIndex(language_->findData(static_cast<int>(language.language)));

    printWidth_ = addField(form, QStringLiteral("Print &width (dots):"),
                           makeSpin(0, kRasterWidth, language.printWidth));
    printWidth_->setSingleStep(8);
    printWidth_->setSpecialValueText(QStringLiteral("Paper width"));
    bandRows_ =
        addField(form, QStringLiteral("&Band rows:"), makeSpin(1, kMaxBandRows, language.bandRows));
    feedLines_ = addField(form, QStringLiteral("&Feed lines:"),
                          makeSpin(0, kMaxFeedLines, language.feedLines));
    cut_ = addField(form, QString(), new QCheckBox(QStringLiteral("C&ut the paper"), box));
    cut_->setAccessibleName(QStringLiteral("Cut the paper"));
    cut_->setChecked(language.cut);
    compression_ = addField(form, QStringLiteral("&ZPL compression:"), new QComboBox(box));
    compression_->addItem(QStringLiteral("ASCII (every printer)"),
                          static_cast<int>(ZplCompression::Ascii));
    compression_->addItem(QStringLiteral("Z64 (newer printers)"),
                          static_cast<int>(ZplCompression::Z64));
    compression_->setCurrentIndex(
        compression_->findData(static_cast<int>(language.zplCompression)));
    copies_ = addField(form, QStringLiteral("Co&pies:"), makeSpin(1, kMaxCopies, language.copies));
    addLabelSettings(form, language);

    connect(language_, &QComboBox::currentIndexChanged, this, &CPrinterDlg::showLanguageOptions);
    connect(media_, &QComboBox::currentIndexChanged, this, &CPrinterDlg::showLanguageOptions);
    showLanguageOptions();
    return box;
}

void CPrinterDlg::addLabelSettings(QFormLayout* form, const LanguageOptions& language) {
    darkness_ = addField(
        form, QStringLiteral("D&arkness:"),
        makeSpin(-1, highestOf(&LanguageFeatures::darkness), language.darkness.value_or(-1)));
    darkness_->setSpecialValueText(kPrinterSetting);
    speed_ = addField(form, QStringLiteral("&Speed:"),
                      makeSpin(0, highestOf(&LanguageFeatures::speed), language.speed.value_or(0)));
    speed_->setSpecialValueText(kPrinterSetting);
    speed_->setSuffix(QStringLiteral(" in/s"));
    media_ = addField(form, QStringLiteral("&Media:"), new QComboBox);
    media_->addItem(kPrinterSetting, static_cast<int>(LabelMedia::Unset));
    media_->addItem(QStringLiteral("Labels with a gap"), static_cast<int>(LabelMedia::Gap));
    media_->addItem(QStringLiteral("Labels with a black mark"), static_cast<int>(LabelMedia::Mark));
    media_->addItem(QStringLiteral("Continuous paper"), static_cast<int>(LabelMedia::Continuous));
    media_->setCurrentIndex(media_->findData(static_cast<int>(language.media)));
    gap_ = addField(form, QStringLiteral("&Gap:"),
                    makeSpin(0, highestOf(&LanguageFeatures::gapMm), language.gapMm));
    gap_->setSuffix(QStringLiteral(" mm"));
}

void CPrinterDlg::showLanguageOptions() {
    const LanguageFeatures takes =
        languageInfo(static_cast<PrinterLanguage>(language_->currentData().toInt())).takes;
    printWidth_->setEnabled(takes.printWidth);
    bandRows_->setEnabled(takes.bands);
    feedLines_->setEnabled(takes.feedAndCut);
    cut_->setEnabled(takes.feedAndCut);
    compression_->setEnabled(takes.zplCompression);
    darkness_->setEnabled(takes.darkness.taken());
    speed_->setEnabled(takes.speed.taken());
    media_->setEnabled(takes.media);
    const auto media = static_cast<LabelMedia>(media_->currentData().toInt());
    gap_->setEnabled(takes.gapMm.taken() &&
                     (media == LabelMedia::Gap || media == LabelMedia::Mark));
    const auto relabel = [this](QWidget* field, const QString& label, const SettingRange& range) {
        if (auto* shown = qobject_cast<QLabel*>(languageForm_->labelForField(field)))
            shown->setText(rangeLabel(label, range));
    };
    relabel(darkness_, QStringLiteral("D&arkness"), takes.darkness);
    relabel(speed_, QStringLiteral("&Speed"), takes.speed);
    relabel(gap_, QStringLiteral("&Gap"), takes.gapMm);
}

PrinterSettings CPrinterDlg::printer() const {
    PrinterSettings printer;
    printer.connection = static_cast<ConnectionKind>(connection_->currentData().toInt());
    printer.device = device_->currentText().trimmed();
    printer.host = host_->text().trimmed();
    printer.port = static_cast<std::uint16_t>(port_->value());
    printer.queue = queue_->currentText();
    LanguageOptions& language = printer.language;
    language.language = static_cast<PrinterLanguage>(language_->currentData().toInt());
    language.bandRows = bandRows_->value();
    language.printWidth = printWidth_->value();
    language.feedLines = feedLines_->value();
    language.cut = cut_->isChecked();
    language.zplCompression = static_cast<ZplCompression>(compression_->currentData().toInt());
    language.copies = copies_->value();
    if (darkness_->value() >= 0)
        language.darkness = darkness_->value();
    if (speed_->value() > 0)
        language.speed = speed_->value();
    language.media = static_cast<LabelMedia>(media_->currentData().toInt());
    language.gapMm = gap_->value();
    return printer;
}

SerialPort CPrinterDlg::serialPort() const {
    SerialPort serial;
    serial.portName = serialPort_->currentText();
    serial.baudRate = SerialPort::baudRateAtIndex(baudRate_->currentIndex());
    return serial;
}

QString CPrinterDlg::missingAddress() const {
    switch (static_cast<ConnectionKind>(connection_->currentData().toInt())) {
    case ConnectionKind::Serial:
        return {};
    case ConnectionKind::File:
        return device_->currentText().trimmed().isEmpty()
                   ? QStringLiteral("Enter the printer's device or a file.")
                   : QString();
    case ConnectionKind::Tcp:
        return host_->text().trimmed().isEmpty()
                   ? QStringLiteral("Enter the printer's host name or address.")
                   : QString();
    case ConnectionKind::Cups:
        return queue_->currentText().isEmpty() ? QStringLiteral("Choose a CUPS queue.") : QString();
    }
    return {};
}

void CPrinterDlg::accept() {
    if (const QString missing = missingAddress(); !missing.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Printer"), missing);
        return;
    }
    if (const auto refusal = settingRefusal(printer().language)) {
        QSpinBox* field = refusal->setting == LabelSetting::Darkness ? darkness_
                          : refusal->setting == LabelSetting::Speed  ? speed_
                                                                     : gap_;
        QMessageBox::warning(this, QStringLiteral("Printer"),
                             QString::fromStdString(refusal->text) + '.');
        field->setFocus();
        field->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace quillset
