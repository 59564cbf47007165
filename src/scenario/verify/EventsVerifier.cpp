#include "scenario/verify/FileVerifiers.h"

#include "scenario/verify/TVerifier.h"
#include "xml/TXmlNode.h"

namespace {

const char* const NoHeadline = "A Simple Event does not have a headline, make sure all Simple "
                               "Events have at least 1 headline.";
const char* const NoConditionType = "Condition type not specified.";
const char* const UnknownConditionType = "Unknown condition type.";
const char* const InvalidEffectType = "Invalid effect type.";
const char* const NoRewardField = "No reward specified.";
const char* const NoEffect = "No effect specified, add an outcome effect to event.";

class TEventsPass {
public:
    TEventsPass(TVerifier& v, TScenarioData& data) : V(v), Data(data) {}

    void Run() {
        TXmlNode* root = Data.Events();
        const TXmlNode* random = V.Group(root, "random_events", "Events");
        const TXmlNode* simple = V.Group(random, "simple_issue_events", "Events");
        for (int32_t i = 0; i < simple->ChildCount(); ++i)
            SimpleEvent(simple, simple->GetChildAt(i));

        // Without the list of scripted events the file cannot pass; say why
        // rather than failing without a word.
        Scripted = V.Group(root, "scripted_events", "Events");
        for (int32_t i = 0; i < Scripted->ChildCount(); ++i)
            ScriptedEvent(Scripted->GetChildAt(i));
    }

private:
    void SimpleEvent(const TXmlNode* list, const TXmlNode* event) {
        const std::string section = "Simple Events";
        const TReferenceField& field = ReferenceFields::Get(TReferenceSite::SimpleEventIssue);
        const TCheckResult r = ReferenceFields::Check(Data, field, event);
        if (!r.Ok)
            V.AddMessage(section, "issue", list, r.Message,
                         TVerifier::IfDangling(r, ReferenceFields::QuickFix(field), event));

        const TXmlNode* headlines = V.Group(event, "headlines", section);
        if (headlines->ChildCount() == 0)
            V.AddMessage(section, "headlines", event, NoHeadline);
        for (int32_t i = 0; i < headlines->ChildCount(); ++i) {
            const TCheckResult h =
                FieldChecks::CheckValue(headlines->GetChildAt(i), TCheckKind::Text, true);
            if (!h.Ok)
                V.AddMessage(section, "headlines", headlines, h.Message);
        }
    }

    void ScriptedEvent(const TXmlNode* event) {
        std::string name;
        if (V.Check(event, "name", TCheckKind::Text, true, "Scripted Events"))
            name = event->GetChild("name")->GetText();
        const std::string section = "Scripted Events >> " + name;

        V.Check(event, "times_can_occur", TCheckKind::Integer, true, section);
        V.Check(event, "will_occur", TCheckKind::Integer, true, section);
        V.Check(event, "chance_occurs", TCheckKind::Decimal, true, section);
        V.Check(event, "start_date", TCheckKind::Date, true, section);
        V.Check(event, "end_date", TCheckKind::Date, true, section);

        const TXmlNode* conditions = V.Group(event, "conditions", section);
        for (int32_t i = 0; i < conditions->ChildCount(); ++i)
            Condition(conditions->GetChildAt(i), section + " >> Conditions");

        const TXmlNode* outcomes = V.Group(event, "outcomes", section);
        for (int32_t i = 0; i < outcomes->ChildCount(); ++i)
            Outcome(outcomes->GetChildAt(i), section);
    }

    void Condition(const TXmlNode* condition, const std::string& section) {
        const std::string type = condition->AttributeValue("type");
        if (type.empty()) {
            V.AddMessage(section, "type", condition, NoConditionType);
            return;
        }
        const bool leaderType = type == "who" || type == "not_who";
        if (!leaderType && type != "event_occurred" && type != "event_not_occurred") {
            V.AddMessage(section, "condition", condition, UnknownConditionType);
            return;
        }
        // The target's element name, not the type, decides what is searched.
        // A missing target is reported under the name its type calls for.
        const TXmlNode* target = condition->GetChildAt(0);
        const TReferenceField& reference = ReferenceFields::Get(
            leaderType ? TReferenceSite::ConditionLeader : TReferenceSite::ConditionEvent);
        const std::string field =
            target ? target->Name : ReferenceFields::ElementName(reference.Kind);
        const TCheckResult r = ReferenceFields::Check(Data, reference, target, field);
        if (!r.Ok)
            V.AddMessage(section, field, condition, r.Message,
                         TVerifier::IfDangling(r, ReferenceFields::QuickFix(reference), target));
    }

    void Outcome(const TXmlNode* outcome, const std::string& eventSection) {
        const std::string section = eventSection + " >> Outcomes";
        V.Check(outcome, "chance", TCheckKind::Decimal, true, section);
        V.Check(outcome, "profile_change", TCheckKind::Integer, true, section);
        V.Check(outcome, "chance_issue_center_moves", TCheckKind::Decimal, true, section);
        V.Check(outcome, "distance_issue_center_moves", TCheckKind::Integer, true, section);
        V.Check(outcome, "target_issue_center", TCheckKind::Integer, true, section);
        V.Check(outcome, "momentum_change", TCheckKind::Integer, true, section);
        V.Check(outcome, "headline", TCheckKind::Text, true, section);

        V.CheckReference(outcome, ReferenceFields::Get(TReferenceSite::OutcomeIssue), section);
        const TXmlNode* effects = V.Group(outcome, "effects", section);
        for (int32_t i = 0; i < effects->ChildCount(); ++i)
            Effect(effects->GetChildAt(i), section + " >> Effects");
        if (effects->ChildCount() == 0)
            V.AddMessage(section, "effects", outcome, NoEffect);
    }

    // Positions are looked for in the affected issue only; with none (unset,
    // unknown or missing) no position effect can be valid.
    void Effect(const TXmlNode* effect, const std::string& section) {
        const std::string& kind = effect->Name;
        TCheckResult r{false, InvalidEffectType};
        TRepairKind repair = TRepairKind::None;
        for (const TReferenceSite site :
             {TReferenceSite::OutcomePosition, TReferenceSite::EffectParty,
              TReferenceSite::EffectLeader, TReferenceSite::EffectViceLeader}) {
            const TReferenceField& field = ReferenceFields::Get(site);
            if (ReferenceFields::FieldName(field) == kind) {
                r = ReferenceFields::Check(Data, field, effect);
                repair = ReferenceFields::QuickFix(field);
            }
        }
        // An outcome needs an effect: the last one is not removed.
        if (!r.Ok)
            V.AddMessage(section, kind, effect, r.Message,
                         TVerifier::IfDangling(r, repair, effect));

        // Rewards are checked only while the file is otherwise clean.
        if (V.Added() > 0)
            return;
        const TCheckResult reward =
            FieldChecks::CheckValue(effect->GetChildAt(0), TCheckKind::Integer, true);
        if (!reward.Ok)
            V.AddMessage(section, NoRewardField, effect, reward.Message);
    }

    TVerifier& V;
    TScenarioData& Data;
    TXmlNode* Scripted = nullptr;
};

} // namespace

bool VerifyEvents(TScenarioData& data) {
    TVerifier v(data, TScenarioFile::Events);
    TEventsPass pass(v, data);
    return v.Run([&] { pass.Run(); });
}
