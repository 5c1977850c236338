// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owned components with names. An owner frees the components it owns.
#include <memory>
#include <string>
#include <vector>

#include "toolkit/types.h"

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int ComponentCount() const { return static_cast<int>(owned_.size()); }
    TComponent* Components(int i) const { return owned_[i]; }
    TComponent* FindComponent(const std::string& name) const;

private:
    void Insert(TComponent* c) { owned_.push_back(c); }
    void Remove(TComponent* c);

    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> owned_;
};
