// Notification sources and targets.
#include "zor0ntfy.h"

ZORNotifyTarget::~ZORNotifyTarget() = default;

void ZORNotifyTarget::BeginNotify()
{
    ++depth_;
}

void ZORNotifyTarget::EndNotify(bool deliver)
{
    if (depth_ == 0)
        return;
    if (--depth_ > 0)
        return;
    std::vector<Posted> pending;
    pending.swap(queue_);
    if (deliver)
        for (const Posted& p : pending)
            Notify(p.kind, p.code, nullptr);
}

bool ZORNotifyTarget::Notify(int kind, long code, ZORNotifyObject::CNotifyData* data)
{
    bool handled = OnNotify(kind, code, data);
    for (const auto& child : children_)
        handled = child->Notify(kind, code, data) || handled;
    return handled;
}

bool ZORNotifyTarget::PostNotify(int kind, long code, ZORNotifyObject::CNotifyData* data)
{
    if (depth_ == 0)
        return Notify(kind, code, data);
    queue_.push_back(Posted{kind, code});
    return true;
}

bool ZORNotifyTarget::OnNotify(int, long, ZORNotifyObject::CNotifyData*)
{
    return false;
}

ZORNotifyTarget* ZORNotifyTarget::AddChild(std::unique_ptr<ZORNotifyTarget> child)
{
    if (!child)
        return nullptr;
    child->parent_ = this;
    children_.push_back(std::move(child));
    return children_.back().get();
}

ZORNotifyTarget* ZORNotifyTarget::GetChildAt(int i) const
{
    if (i < 0 || static_cast<size_t>(i) >= children_.size())
        return nullptr;
    return children_[static_cast<size_t>(i)].get();
}

int ZORNotifyTarget::GetChildCount() const
{
    return static_cast<int>(children_.size());
}

ZORNotifyTarget* ZORNotifyTarget::GetSiblingAt(int i) const
{
    if (!parent_)
        return i == 0 ? const_cast<ZORNotifyTarget*>(this) : nullptr;
    return parent_->GetChildAt(i);
}

ZORNotifyTarget* ZORNotifyTarget::GetLastSibling() const
{
    if (!parent_)
        return const_cast<ZORNotifyTarget*>(this);
    return parent_->GetChildAt(parent_->GetChildCount() - 1);
}

void ZORNotifyTarget::Destroy()
{
    children_.clear();
}

bool ZORNotifySource::Notify(int kind, long code, ZORNotifyObject::CNotifyData* data)
{
    return target_ ? target_->Notify(kind, code, data) : false;
}

bool ZORRecordingTarget::OnNotify(int kind, long code, ZORNotifyObject::CNotifyData* data)
{
    records.push_back(Record{kind, code, data != nullptr});
    return true;
}
