// Gallery pages of the two views of the whole campaign.

#include "app/TCampaignTimelineForm.h"
#include "app/TStartingRaceForm.h"
#include "app/gallery/Gallery.h"
#include "widgets/TTimelineChart.h"

#include <QComboBox>

STUMPCRAFT_GALLERY_PAGE("TCampaignTimelineForm", [](TGalleryContext& context) {
    TCampaignTimelineForm form(*context.Scenario);
    context.Shoot(&form);
    // Zoomed in, an item current.
    if (!form.Timeline().Items.empty()) {
        form.Chart()->SetDayWidth(14);
        form.Chart()->SetCurrent(static_cast<int>(form.Timeline().Items.size() / 2));
        context.Shoot(&form, QStringLiteral("zoomed"));
    }
});

STUMPCRAFT_GALLERY_PAGE("TStartingRaceForm", [](TGalleryContext& context) {
    TStartingRaceForm form(*context.Scenario);
    context.Shoot(&form);
    if (form.RaceComboBox()->count() > 1) {
        form.RaceComboBox()->setCurrentIndex(1);
        context.Shoot(&form, QStringLiteral("primaries"));
    }
});
