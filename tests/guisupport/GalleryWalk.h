#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class TScenarioData;

namespace GuiTest {

// Renders every gallery page on scenario, declining every question a page
// asks while it is set up, and hands each window, in each state its page
// shows, to visit with "page: ". before runs ahead of each page. Returns
// "page: what" for every page that showed no window or drew no picture.
QStringList VisitEveryGalleryWindow(TScenarioData& scenario,
                                    const std::function<void(const QString&, QWidget*)>& visit,
                                    const std::function<void()>& before = {});

} // namespace GuiTest
