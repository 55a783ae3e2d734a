#include "app/MergeData.h"

#include "app/CFolioDoc.h"
#include "app/CFolioView.h"
#include "merge/DataFile.h"
#include "merge/MergeRun.h"
#include "merge/MergeSettings.h"
#include "merge/MergeTemplate.h"
#include "printer/SerialSettings.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QStyle>
#include <QToolBar>

#include <ctime>

namespace quillset {

namespace {

// One settings key per document path; the path itself may hold slashes.
QString settingsKey(const QString& documentPath) {
    return QStringLiteral("MergeData/") +
           QString::fromLatin1(documentPath.toUtf8().toBase64(QByteArray::Base64UrlEncoding));
}

QSettings settingsStore() {
    return QSettings(kSettingsOrganisation, kSettingsApplication);
}

} // namespace

MergeData::MergeData(CFolioDoc& document, CFolioView& view, QObject* parent)
    : QObject(parent)
    , document_(document)
    , view_(view) {
    const auto makeAction = [this](QStyle::StandardPixmap icon, const QString& text, auto target) {
        auto* action = new QAction(QApplication::style()->standardIcon(icon), text, this);
        action->setToolTip(text);
        action->setStatusTip(QStringLiteral("Show the %1 in the page view").arg(text.toLower()));
        connect(action, &QAction::triggered, this, [this, target] { showRecord(target()); });
        return action;
    };
    first_ =
        makeAction(QStyle::SP_MediaSkipBackward, QStringLiteral("First Record"), [] { return 1; });
    previous_ = makeAction(QStyle::SP_MediaSeekBackward, QStringLiteral("Previous Record"),
                           [this] { return record_ - 1; });
    next_ = makeAction(QStyle::SP_MediaSeekForward, QStringLiteral("Next Record"),
                       [this] { return record_ + 1; });
    last_ = makeAction(QStyle::SP_MediaSkipForward, QStringLiteral("Last Record"),
                       [this] { return records_; });
    connect(&document, &CFolioDoc::opened, this, &MergeData::documentOpened);
    connect(&document, &CFolioDoc::pageChanged, this, &MergeData::refreshPage);
    connect(&document, &CFolioDoc::titleChanged, this, &MergeData::remember);
}

MergeData::~MergeData() = default;

void MergeData::addTo(QToolBar& toolBar) {
    barSeparator_ = toolBar.addSeparator();
    for (QAction* action : {first_, previous_})
        toolBar.addAction(action);
    label_ = new QLabel(&toolBar);
    label_->setAccessibleName(QStringLiteral("Record"));
    label_->setContentsMargins(6, 0, 6, 0);
    labelAction_ = toolBar.addWidget(label_);
    labelAction_->setToolTip(label_->accessibleName());
    for (QAction* action : {next_, last_})
        toolBar.addAction(action);
    for (QAction* action : {first_, previous_, next_, last_})
        toolBar.widgetForAction(action)->setAccessibleName(action->toolTip());
    updateBar();
}

void MergeData::choose(QWidget* parent) {
    CMergeDataDlg dialog(choice_, parent);
    if (dialog.exec() == QDialog::Accepted)
        setChoice(dialog.choice());
}

void MergeData::setChoice(const MergeDataChoice& choice) {
    choice_ = choice;
    remember();
    reload();
}

MergeSettings MergeData::settings() const {
    MergeSettings settings;
    settings.dataPath = QFile::encodeName(choice_.path).toStdString();
    settings.csv = choice_.csv;
    settings.now = std::time(nullptr);
    return settings;
}

bool MergeData::merges() const {
    return !choice_.path.isEmpty() || MergeTemplate(document_.session().script()).fills();
}

void MergeData::documentOpened() {
    choice_ = {};
    if (!document_.pathName().isEmpty()) {
        const QStringList stored =
            settingsStore().value(settingsKey(document_.pathName())).toStringList();
        if (stored.size() == 3) {
            choice_.path = stored[0];
            choice_.csv.header = stored[1] == QLatin1String("1");
            choice_.csv.delimiter = static_cast<char>(stored[2].toInt());
        }
    }
    reload();
}

void MergeData::remember() const {
    if (document_.pathName().isEmpty())
        return;
    QSettings store = settingsStore();
    const QString key = settingsKey(document_.pathName());
    if (choice_.path.isEmpty())
        store.remove(key);
    else
        store.setValue(key,
                       QStringList{choice_.path,
                                   choice_.csv.header ? QStringLiteral("1") : QStringLiteral("0"),
                                   QString::number(choice_.csv.delimiter)});
}

void MergeData::reload() {
    records_ = 0;
    if (!choice_.path.isEmpty()) {
        // A file of a million rows takes a moment to count.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        DataFile data(settings().dataPath, choice_.csv);
        while (data.reader().next())
            ++records_;
        QApplication::restoreOverrideCursor();
    }
    record_ = records_ > 0 ? 1 : 0;
    refreshPage();
}

void MergeData::showRecord(int number) {
    if (records_ == 0)
        return;
    record_ = std::clamp(number, 1, records_);
    refreshPage();
}

void MergeData::refreshPage() {
    std::unique_ptr<MergeRun> run;
    if (record_ > 0) {
        MergeSettings settings = this->settings();
        settings.firstRecord = settings.lastRecord = record_;
        run = std::make_unique<MergeRun>(document_.session(), settings);
        if (!run->next())
            run.reset();
    }
    shown_ = std::move(run);
    view_.setShownPage(shown_ ? &shown_->page().raster() : nullptr);
    updateBar();
}

void MergeData::updateBar() {
    if (!label_)
        return;
    const bool data = !choice_.path.isEmpty();
    for (QAction* action : {barSeparator_, first_, previous_, next_, last_, labelAction_})
        action->setVisible(data);
    label_->setText(records_ > 0 ? QStringLiteral("Record %1 of %2").arg(record_).arg(records_)
                                 : QStringLiteral("No records"));
    first_->setEnabled(record_ > 1);
    previous_->setEnabled(record_ > 1);
    next_->setEnabled(record_ < records_);
    last_->setEnabled(record_ < records_);
}

} // namespace quillset
