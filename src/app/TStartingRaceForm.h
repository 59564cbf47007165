#pragma once

#include "scenario/StartingRace.h"
#include "scenario/map/TMapAreas.h"

#include <QDialog>
#include <QImage>

class TScenarioData;
class TXmlNode;
class QComboBox;
class QLabel;
class QTreeWidget;
class TMapView;

namespace Ui {
class TStartingRaceForm;
}

// Tools > Starting Race Map: the scenario map with each region in the
// colour of whoever starts ahead there (the parties, or a party's leaders
// for its primaries), and the nation's totals beside it. Reads the
// documents only.
class TStartingRaceForm : public QDialog {
    Q_OBJECT
public:
    explicit TStartingRaceForm(const TScenarioData& data, QWidget* parent = nullptr);
    ~TStartingRaceForm() override;

    // 0 the general election, then one entry per party's primaries.
    QComboBox* RaceComboBox() const;
    TMapView* MapImage() const;
    QTreeWidget* TotalsList() const;
    QLabel* RegionLabel() const;
    const StartingRace::TRace& Race() const { return Race_; }
    // The figures of the region at a map pixel; empty when there is none.
    QString FiguresAt(QPoint at);
    // The map with its legend, as exported.
    QSize DrawingSize() const;
    void PaintDrawing(QPainter& painter) const;
    bool Export();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowRace(int choice);
    void ShowFiguresAt(QPoint at);
    // "Unity Party 40 %", one line per contender, for a legend.
    QStringList LegendLines() const;

    Ui::TStartingRaceForm* ui;
    const TScenarioData& Data_;
    std::vector<TXmlNode*> Parties_;
    StartingRace::TRace Race_;
    TMapAreas Areas_;
    bool HasMap_ = false;
    QImage Picture_;
};
