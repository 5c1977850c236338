// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
    // Free owned components last-created first, as they may refer to earlier ones.
    while (!owned_.empty()) {
        TComponent* c = owned_.back();
        owned_.pop_back();
        c->owner_ = nullptr;
        delete c;
    }
    if (owner_) owner_->Remove(this);
}

void TComponent::Remove(TComponent* c) {
    owned_.erase(std::remove(owned_.begin(), owned_.end(), c), owned_.end());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : owned_)
        if (c->name_ == name) return c;
    return nullptr;
}
