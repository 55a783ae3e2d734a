#include "app/dialogs/FamilyChooser.h"

#include "font/FontEngine.h"
#include "model/FontTextStyle.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace quillset {

namespace {

QListWidgetItem* addFamily(QListWidget& list, const QString& shown, const std::string& family) {
    auto* item = new QListWidgetItem(shown, &list);
    item->setData(Qt::UserRole, QString::fromStdString(family));
    return item;
}

} // namespace

FamilyChooser::FamilyChooser(const std::string& family, QWidget* parent)
    : QWidget(parent) {
    auto* label = new QLabel(QStringLiteral("&Family"), this);
    search_ = new QLineEdit(this);
    search_->setAccessibleName(QStringLiteral("Find family"));
    search_->setPlaceholderText(QStringLiteral("Find family"));
    search_->setClearButtonEnabled(true);
    list_ = new QListWidget(this);
    list_->setAccessibleName(QStringLiteral("Family"));
    label->setBuddy(search_);

    QListWidgetItem* chosen = addFamily(
        *list_, QStringLiteral("Default (%1)").arg(QString::fromLatin1(kDefaultFontFamily)), {});
    const std::vector<std::string> installed = FontEngine::shared().families();
    const bool missing =
        !family.empty() && std::find(installed.begin(), installed.end(), family) == installed.end();
    if (missing)
        chosen = addFamily(*list_,
                           QStringLiteral("%1 (not installed)").arg(QString::fromStdString(family)),
                           family);
    for (const std::string& name : installed) {
        QListWidgetItem* item = addFamily(*list_, QString::fromStdString(name), name);
        if (name == family)
            chosen = item;
    }
    list_->setCurrentItem(chosen);

    connect(search_, &QLineEdit::textChanged, this, &FamilyChooser::filter);
    connect(list_, &QListWidget::currentItemChanged, this, &FamilyChooser::familyChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(search_);
    layout->addWidget(list_);
}

std::string FamilyChooser::family() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toString().toStdString() : std::string();
}

void FamilyChooser::filter(const QString& typed) {
    const QString wanted = typed.trimmed();
    QListWidgetItem* firstShown = nullptr;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !firstShown)
            firstShown = item;
    }
    // The choice follows the search when the search hides it; with none
    // shown none is chosen, and the default draws.
    if (!list_->currentItem() || list_->currentItem()->isHidden())
        list_->setCurrentItem(firstShown);
}

} // namespace quillset
