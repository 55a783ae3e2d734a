#include "app/dialogs/CSerialPortDlg.h"

#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

namespace quillset {

CSerialPortDlg::CSerialPortDlg(SerialPort& port, QWidget* parent)
    : QDialog(parent)
    , port_(port) {
    setWindowTitle(QStringLiteral("Serial Port"));

    auto* baudBox = new QGroupBox(QStringLiteral("Baud Rate"), this);
    auto* baudLayout = new QVBoxLayout(baudBox);
    auto* headings = new QGridLayout;
    headings->addWidget(new QLabel(QStringLiteral("Orvel 3"), baudBox), 0, 1);
    headings->addWidget(new QLabel(QStringLiteral("SW (3 4 5)"), baudBox), 1, 1);
    headings->setColumnStretch(0, 1);
    baudLayout->addLayout(headings);
    auto* line = new QFrame(baudBox);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    baudLayout->addWidget(line);
    baudButtons_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(kBaudLabels.size()); ++i) {
        auto* button = new QRadioButton(
            QString::fromLatin1(kBaudLabels[static_cast<std::size_t>(i)]), baudBox);
        baudButtons_->addButton(button, i);
        baudLayout->addWidget(button);
    }
    baudButtons_->button(SerialPort::baudRateIndex(port_.baudRate))->setChecked(true);

    ports_ = new QListWidget(this);
    ports_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < SerialPort::kPortCount; ++i)
        ports_->addItem(SerialPort::portNameAtIndex(i));

    device_ = new QComboBox(this);
    device_->setEditable(true);
    device_->setInsertPolicy(QComboBox::NoInsert);
    device_->setMinimumContentsLength(16);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        device_->addItem(info.systemLocation());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* portLayout = new QGridLayout;
    portLayout->addWidget(new QLabel(QStringLiteral("Com Port"), this), 0, 0);
    portLayout->addWidget(ports_, 1, 0, 3, 1);
    portLayout->addWidget(new QLabel(QStringLiteral("Device"), this), 1, 1);
    portLayout->addWidget(device_, 2, 1);
    portLayout->setRowStretch(3, 1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(baudBox, 0, 0, 2, 1);
    layout->addLayout(portLayout, 0, 1);
    layout->addWidget(buttons, 1, 1, Qt::AlignBottom | Qt::AlignRight);

    connect(ports_, &QListWidget::currentRowChanged, this, &CSerialPortDlg::showDevice);
    connect(device_, &QComboBox::currentTextChanged, this, &CSerialPortDlg::rememberDevice);
    ports_->setCurrentRow(SerialPort::portIndex(port_.portName));
    // The rate is what users come here to change most.
    baudButtons_->checkedButton()->setFocus();
}

int CSerialPortDlg::baudIndex() const {
    return baudButtons_->checkedId();
}

int CSerialPortDlg::portIndex() const {
    const QList<QListWidgetItem*> selected = ports_->selectedItems();
    return selected.isEmpty() ? -1 : ports_->row(selected.constFirst());
}

void CSerialPortDlg::accept() {
    port_.baudRate = SerialPort::baudRateAtIndex(baudIndex());
    port_.portName = SerialPort::portNameAtIndex(portIndex());
    for (auto it = devices_.cbegin(); it != devices_.cend(); ++it)
        setPortDevice(it.key(), it.value());
    QDialog::accept();
}

void CSerialPortDlg::showDevice(int portIndex) {
    const QString name = SerialPort::portNameAtIndex(portIndex);
    const QString device = devices_.contains(name) ? devices_.value(name) : portDevicePath(name);
    const QSignalBlocker quiet(device_);
    device_->setCurrentText(device);
}

void CSerialPortDlg::rememberDevice(const QString& device) {
    if (ports_->currentRow() >= 0)
        devices_.insert(SerialPort::portNameAtIndex(ports_->currentRow()), device.trimmed());
}

} // namespace quillset
