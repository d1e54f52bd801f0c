// A small form for the model's tests: a few controls of every kind, two option groups
// (one in the form, one in a frame) and an array with gaps; plus a log of the
// notifications the handlers saw.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "headless/headless_platform.h"
#include "window/model/form.h"
#include "window/model/session.h"
#include "window/model/user_actions.h"

namespace ormane::window::testing {

// "Textet(3).Change", "Ascenseur.Scroll"...
inline std::string describe(const Event& e) {
    return e.control.displayName() + "." + std::string(notificationName(e.notification));
}

class ModelTest : public ::testing::Test {
  protected:
    ModelTest() : session(platform.services()) {
        form = std::make_unique<Form>(session, "Essai");
        Frame& cadre = form->add<Frame>("Cadre");
        Frame& interieur = form->add<Frame>("Interieur", &cadre);
        form->addMember<OptionButton>("Choix", 0).setValue(Vrai);
        form->addMember<OptionButton>("Choix", 1);
        form->addMember<OptionButton>("Groupe", 1, &cadre);
        form->addMember<OptionButton>("Groupe", 2, &cadre);
        form->addMember<OptionButton>("Groupe", 3, &cadre);
        form->add<OptionButton>("Profond", &interieur);
        form->add<TextBox>("Texte");
        form->add<TextBox>("Cache", &interieur);
        for (std::int16_t i : {1, 2, 5}) form->addMember<TextBox>("Serie", i);
        ComboBox& combo = form->add<ComboBox>("Liste");
        combo.addItem("0.05");
        combo.addItem("0.10");
        form->add<CheckBox>("Case");
        form->addMember<Label>("Eti", 0);
        form->addMember<Label>("Eti", 7, &cadre);
        form->add<CommandButton>("Bouton");
        ScrollBar& bar = form->add<ScrollBar>("Barre");
        bar.setLimits(9, 2);
        bar.setSteps(1, 2);
        bar.setValue(3);
        form->add<Picture>("Image");
        MenuItem& menu = form->add<MenuItem>("Menu");
        form->addMember<MenuItem>("Article", 1, &menu);
    }

    // Records every notification of `name` in the log.
    void record(const std::string& name, Notification notification) {
        form->on(name, notification, [this](const Event& e) { log.push_back(describe(e)); });
    }
    void showForm() { form->show(); }

    platform::HeadlessPlatform platform;
    Session session;
    std::unique_ptr<Form> form;
    std::vector<std::string> log;
};

}  // namespace ormane::window::testing
