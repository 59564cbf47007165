#include "editors/content/EventNameLists.h"

#include "xml/TXmlNode.h"

#include <QComboBox>

namespace EventNameLists {

void Fill(QComboBox* box, const std::vector<EventsEdit::TNamedItem>& items) {
    box->clear();
    for (const EventsEdit::TNamedItem& item : items)
        box->addItem(QString::fromStdString(item.Name),
                     QVariant::fromValue(static_cast<void*>(item.Element)));
}

TXmlNode* Chosen(const QComboBox* box) {
    const int index = box->currentIndex();
    return index < 0 ? nullptr : static_cast<TXmlNode*>(box->itemData(index).value<void*>());
}

void ChooseById(QComboBox* box, const std::string& id) {
    int found = -1;
    for (int i = 0; i < box->count() && found < 0; ++i) {
        const auto* element = static_cast<const TXmlNode*>(box->itemData(i).value<void*>());
        if (element && element->AttributeValue("id") == id)
            found = i;
    }
    box->setCurrentIndex(found);
}

QString EventName(const TXmlNode* event) {
    const TXmlNode* name = event ? event->GetChild("name") : nullptr;
    return name ? QString::fromStdString(name->GetText()) : QString();
}

} // namespace EventNameLists
