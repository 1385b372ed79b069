#include "ui/network/ServerFilterBar.h"

#include "core/network/ServerStatus.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/LocalText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velkarn {

namespace {

// The game types the program has names for ("g_gametype" 0 to 12).
constexpr int KnownGameTypes = 13;
constexpr int MaxPingFilter = 999;

QCheckBox* namedCheck(const QString& caption, const char* name, QWidget* parent) {
    return named(new QCheckBox(caption, parent), name);
}

} // namespace

ServerFilterBar::ServerFilterBar(QString settingsKey, QWidget* parent)
    : QWidget(parent), settingsKey_(std::move(settingsKey)) {
    searchEdit_ = named(new QLineEdit(this), "searchEdit");
    searchEdit_->setPlaceholderText("Host name, map or player");
    searchEdit_->setClearButtonEnabled(true);
    hasHumansCheck_ = namedCheck("Has hu&mans", "hasHumansCheck", this);
    hideEmptyCheck_ = namedCheck("Hide &empty", "hideEmptyCheck", this);
    hideFullCheck_ = namedCheck("Hide fu&ll", "hideFullCheck", this);
    hidePasswordedCheck_ = namedCheck("Hide pass&word-protected", "hidePasswordedCheck", this);
    gameTypeCombo_ = named(new QComboBox(this), "gameTypeCombo");
    gameTypeCombo_->addItem("Any", -1);
    for (int type = 0; type < KnownGameTypes; ++type)
        gameTypeCombo_->addItem(local(gameTypeName(std::to_string(type))), type);
    gameEdit_ = named(new QLineEdit(this), "gameEdit");
    gameEdit_->setPlaceholderText("Any");
    maxPingSpin_ = named(new QSpinBox(this), "maxPingSpin");
    maxPingSpin_->setRange(0, MaxPingFilter);
    maxPingSpin_->setSingleStep(10);
    maxPingSpin_->setSuffix(" ms");
    maxPingSpin_->setSpecialValueText("Any");
    countryEdit_ = named(new QLineEdit(this), "countryEdit");
    countryEdit_->setPlaceholderText("Any");
    countryEdit_->setMaxLength(2);
    countryEdit_->setToolTip("The two-letter code of the country the servers stand in, such as FR");

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(namedLabel("&Search", "searchLabel", this, searchEdit_));
    searchRow->addWidget(searchEdit_, 2);
    searchRow->addWidget(namedLabel("Game &type", "gameTypeLabel", this, gameTypeCombo_));
    searchRow->addWidget(gameTypeCombo_);
    searchRow->addWidget(namedLabel("&Game or mod", "gameLabel", this, gameEdit_));
    searchRow->addWidget(gameEdit_, 1);
    // Every letter of its caption is a key of another control on the same pages, so the
    // field is reached with Tab and named for screen readers instead.
    countryEdit_->setAccessibleName("Country");
    searchRow->addWidget(namedLabel("Country", "countryLabel", this));
    searchRow->addWidget(countryEdit_);
    auto* checkRow = new QHBoxLayout;
    for (QCheckBox* check :
         {hasHumansCheck_, hideEmptyCheck_, hideFullCheck_, hidePasswordedCheck_})
        checkRow->addWidget(check);
    checkRow->addStretch();
    checkRow->addWidget(namedLabel("Ma&x ping", "maxPingLabel", this, maxPingSpin_));
    checkRow->addWidget(maxPingSpin_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(searchRow);
    layout->addLayout(checkRow);

    const QSettings settings;
    ServerFilter kept;
    kept.hasHumans = settings.value(settingsKey_ + "/hasHumans").toBool();
    kept.hideEmpty = settings.value(settingsKey_ + "/hideEmpty").toBool();
    kept.hideFull = settings.value(settingsKey_ + "/hideFull").toBool();
    kept.hidePassworded = settings.value(settingsKey_ + "/hidePassworded").toBool();
    kept.gameType = settings.value(settingsKey_ + "/gameType", -1).toInt();
    kept.game = bytes(settings.value(settingsKey_ + "/game").toString());
    kept.maxPing = settings.value(settingsKey_ + "/maxPing").toInt();
    kept.search = bytes(settings.value(settingsKey_ + "/search").toString());
    kept.country = bytes(settings.value(settingsKey_ + "/country").toString());
    showFilter(kept);

    for (QCheckBox* check :
         {hasHumansCheck_, hideEmptyCheck_, hideFullCheck_, hidePasswordedCheck_})
        connect(check, &QCheckBox::toggled, this, &ServerFilterBar::keepFilter);
    connect(gameTypeCombo_, &QComboBox::currentIndexChanged, this, &ServerFilterBar::keepFilter);
    connect(maxPingSpin_, &QSpinBox::valueChanged, this, &ServerFilterBar::keepFilter);
    for (QLineEdit* edit : {searchEdit_, gameEdit_, countryEdit_})
        connect(edit, &QLineEdit::textChanged, this, &ServerFilterBar::keepFilter);
}

void ServerFilterBar::showFilter(const ServerFilter& filter) {
    searchEdit_->setText(local(filter.search));
    hasHumansCheck_->setChecked(filter.hasHumans);
    hideEmptyCheck_->setChecked(filter.hideEmpty);
    hideFullCheck_->setChecked(filter.hideFull);
    hidePasswordedCheck_->setChecked(filter.hidePassworded);
    gameTypeCombo_->setCurrentIndex(std::max(0, gameTypeCombo_->findData(filter.gameType)));
    gameEdit_->setText(local(filter.game));
    maxPingSpin_->setValue(filter.maxPing);
    countryEdit_->setText(local(filter.country));
}

ServerFilter ServerFilterBar::filter() const {
    ServerFilter filter;
    filter.hasHumans = hasHumansCheck_->isChecked();
    filter.hideEmpty = hideEmptyCheck_->isChecked();
    filter.hideFull = hideFullCheck_->isChecked();
    filter.hidePassworded = hidePasswordedCheck_->isChecked();
    filter.gameType = gameTypeCombo_->currentData().toInt();
    filter.game = bytes(gameEdit_->text().trimmed());
    filter.maxPing = maxPingSpin_->value();
    filter.search = bytes(searchEdit_->text());
    filter.country = bytes(countryEdit_->text().trimmed());
    return filter;
}

void ServerFilterBar::keepFilter() {
    const ServerFilter kept = filter();
    QSettings settings;
    settings.setValue(settingsKey_ + "/hasHumans", kept.hasHumans);
    settings.setValue(settingsKey_ + "/hideEmpty", kept.hideEmpty);
    settings.setValue(settingsKey_ + "/hideFull", kept.hideFull);
    settings.setValue(settingsKey_ + "/hidePassworded", kept.hidePassworded);
    settings.setValue(settingsKey_ + "/gameType", kept.gameType);
    settings.setValue(settingsKey_ + "/game", local(kept.game));
    settings.setValue(settingsKey_ + "/maxPing", kept.maxPing);
    settings.setValue(settingsKey_ + "/search", local(kept.search));
    settings.setValue(settingsKey_ + "/country", local(kept.country));
    emit filterChanged();
}

} // namespace velkarn
