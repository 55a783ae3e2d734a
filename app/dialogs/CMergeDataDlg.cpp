#include "app/dialogs/CMergeDataDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <fstream>

namespace quillset {

namespace {

constexpr int kPreviewRecords = 5;

struct DelimiterChoice {
    const char* label;
    char delimiter;
};
constexpr DelimiterChoice kDelimiters[] = {
    {"Found from the first line", 0}, {"Comma", ','}, {"Semicolon", ';'}, {"Tab", '\t'}};

// The first choice names the delimiter once a file has shown which it uses:
// "Semicolon, found from the first line".
QString foundLabel(char found) {
    for (const DelimiterChoice& d : kDelimiters) {
        if (d.delimiter != 0 && d.delimiter == found)
            return QString::fromLatin1(d.label) + QStringLiteral(", found from the first line");
    }
    return QString::fromLatin1(kDelimiters[0].label);
}

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

QCheckBox* replaceMissingBox(QWidget* parent) {
    auto* box = new QCheckBox(
        QStringLiteral("Print the &nearest character where the printer lacks one (\u0141 as L)"),
        parent);
    box->setAccessibleName(QStringLiteral("Print the nearest character"));
    box->setToolTip(QStringLiteral("The check before printing lists each character replaced"));
    return box;
}

CMergeDataDlg::CMergeDataDlg(const MergeDataChoice& start, QWidget* parent)
    : QDialog(parent)
    , choice_(start) {
    setWindowTitle(QStringLiteral("Merge Data"));
    setAccessibleName(QStringLiteral("Merge Data"));

    path_ = new QLineEdit(start.path, this);
    path_->setAccessibleName(QStringLiteral("Data file"));
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    browse->setAccessibleName(QStringLiteral("Browse for the data file"));
    auto* file = new QHBoxLayout;
    file->addWidget(path_, 1);
    file->addWidget(browse);

    header_ = new QCheckBox(QStringLiteral("The first line names the &columns"), this);
    header_->setAccessibleName(QStringLiteral("First line names the columns"));
    header_->setChecked(start.csv.header);
    delimiter_ = new QComboBox(this);
    delimiter_->setAccessibleName(QStringLiteral("Delimiter"));
    for (const DelimiterChoice& d : kDelimiters) {
        delimiter_->addItem(QString::fromLatin1(d.label));
        if (d.delimiter == start.csv.delimiter)
            delimiter_->setCurrentIndex(delimiter_->count() - 1);
    }

    replaceMissing_ = replaceMissingBox(this);
    replaceMissing_->setChecked(start.replaceMissing);

    preview_ = new QTableWidget(this);
    preview_->setAccessibleName(QStringLiteral("Columns and first records"));
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setMinimumSize(520, 180);
    status_ = new QLabel(this);
    status_->setAccessibleName(QStringLiteral("Data file status"));
    status_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* noData =
        buttons->addButton(QStringLiteral("&No Data"), QDialogButtonBox::DestructiveRole);
    noData->setAccessibleName(QStringLiteral("No Data"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("File:"), file);
    form->addRow(QString(), header_);
    form->addRow(QStringLiteral("&Delimiter:"), delimiter_);
    form->addRow(QString(), replaceMissing_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(preview_, 1);
    layout->addWidget(status_);
    layout->addWidget(buttons);

    connect(browse, &QPushButton::clicked, this, &CMergeDataDlg::browse);
    connect(path_, &QLineEdit::editingFinished, this, &CMergeDataDlg::showPreview);
    connect(header_, &QCheckBox::toggled, this, &CMergeDataDlg::showPreview);
    connect(delimiter_, &QComboBox::currentIndexChanged, this, &CMergeDataDlg::showPreview);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMergeDataDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMergeDataDlg::reject);
    connect(noData, &QPushButton::clicked, this, [this] {
        choice_ = {};
        QDialog::accept();
    });
    showPreview();
}

MergeDataChoice CMergeDataDlg::shownChoice() const {
    MergeDataChoice shown;
    shown.path = path_->text().trimmed();
    shown.csv.header = header_->isChecked();
    shown.csv.delimiter = kDelimiters[std::max(delimiter_->currentIndex(), 0)].delimiter;
    shown.replaceMissing = replaceMissing_->isChecked();
    return shown;
}

void CMergeDataDlg::browse() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Data File"), QFileInfo(path_->text()).path(),
        QStringLiteral("CSV file (*.csv *.txt *.tsv);;All Files (*)"));
    if (path.isEmpty())
        return;
    path_->setText(path);
    showPreview();
}

void CMergeDataDlg::showPreview() {
    preview_->clear();
    preview_->setRowCount(0);
    preview_->setColumnCount(0);
    delimiter_->setItemText(0, foundLabel(0));
    const MergeDataChoice shown = shownChoice();
    if (shown.path.isEmpty()) {
        status_->setText(QStringLiteral("No data file: fields other than ${seq}, ${date} and "
                                        "${time} cannot be filled."));
        return;
    }
    std::ifstream in(shown.path.toStdString(), std::ios::binary);
    if (!in) {
        status_->setText(QStringLiteral("%1 cannot be read.").arg(shown.path));
        return;
    }
    CsvReader reader(in, shown.csv);
    if (shown.csv.delimiter == 0)
        delimiter_->setItemText(0, foundLabel(reader.delimiter()));
    QStringList headers;
    for (std::size_t i = 0; i < reader.columns().size(); ++i)
        headers << text(reader.columns()[i]);
    int records = 0;
    while (reader.next()) {
        if (++records > kPreviewRecords)
            continue;
        const int row = preview_->rowCount();
        preview_->insertRow(row);
        const int fields = static_cast<int>(reader.fieldCount());
        if (fields > preview_->columnCount())
            preview_->setColumnCount(fields);
        for (int i = 0; i < fields; ++i)
            preview_->setItem(
                row, i, new QTableWidgetItem(text(reader.field(static_cast<std::size_t>(i)))));
    }
    preview_->setColumnCount(std::max<int>(preview_->columnCount(), headers.size()));
    for (int i = headers.size(); i < preview_->columnCount(); ++i)
        headers << QStringLiteral("${%1}").arg(i + 1);
    preview_->setHorizontalHeaderLabels(headers);
    preview_->resizeColumnsToContents();
    if (reader.fault())
        status_->setText(QStringLiteral("The file does not read: %1.").arg(text(*reader.fault())));
    else
        status_->setText(QStringLiteral("%1 records.").arg(records));
}

void CMergeDataDlg::accept() {
    const MergeDataChoice shown = shownChoice();
    if (shown.path.isEmpty() || !QFileInfo(shown.path).isFile()) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Choose a data file, or No Data for none."));
        return;
    }
    choice_ = shown;
    QDialog::accept();
}

} // namespace quillset
