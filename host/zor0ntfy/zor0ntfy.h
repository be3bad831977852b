// zor0ntfy — change notification between data objects and the host.
//
// A data object (ZORNotifySource) is bound to at most one target; Notify hands
// the notification to it. Targets form a tree: a target passes what it
// receives to its own OnNotify and then to its children. Between BeginNotify
// and EndNotify, PostNotify queues notifications; EndNotify(true) delivers the
// queue, EndNotify(false) drops it. Outside a bracket PostNotify delivers at once.
#pragma once

#include <memory>
#include <vector>

namespace ZORNotifyObject {
// Payload base of a notification; the sender owns it for the length of the call.
class CNotifyData {
public:
    CNotifyData() = default;
    CNotifyData(const CNotifyData&) = default;
    CNotifyData& operator=(const CNotifyData&) = default;
    virtual ~CNotifyData() = default;
};
}  // namespace ZORNotifyObject

class ZORNotifyTarget {
public:
    ZORNotifyTarget() = default;
    ZORNotifyTarget(const ZORNotifyTarget&) = delete;
    ZORNotifyTarget& operator=(const ZORNotifyTarget&) = delete;
    virtual ~ZORNotifyTarget();

    void BeginNotify();
    void EndNotify(bool deliver);
    bool Notify(int kind, long code, ZORNotifyObject::CNotifyData* data);
    bool PostNotify(int kind, long code, ZORNotifyObject::CNotifyData* data);

    // The tree: a target owns its children.
    ZORNotifyTarget* AddChild(std::unique_ptr<ZORNotifyTarget> child);
    ZORNotifyTarget* GetChildAt(int i) const;
    int GetChildCount() const;
    ZORNotifyTarget* GetSiblingAt(int i) const;   // child i of the parent (this one when it has none and i is 0)
    ZORNotifyTarget* GetLastSibling() const;
    ZORNotifyTarget* GetParent() const { return parent_; }
    // Removes and destroys every child; the target itself stays.
    void Destroy();

    int GetBracketDepth() const { return depth_; }

protected:
    // What a concrete target does with a notification; true when handled.
    virtual bool OnNotify(int kind, long code, ZORNotifyObject::CNotifyData* data);

private:
    struct Posted {
        int kind;
        long code;
    };
    ZORNotifyTarget* parent_ = nullptr;
    std::vector<std::unique_ptr<ZORNotifyTarget>> children_;
    std::vector<Posted> queue_;
    int depth_ = 0;
};

class ZORNotifySource {
public:
    ZORNotifySource() = default;
    ZORNotifySource(const ZORNotifySource&) = default;
    ZORNotifySource& operator=(const ZORNotifySource&) = default;
    virtual ~ZORNotifySource() = default;

    // Sends to the bound target; false when there is none or it did not handle it.
    bool Notify(int kind, long code, ZORNotifyObject::CNotifyData* data);
    void SetNotifyTarget(ZORNotifyTarget* target) { target_ = target; }
    ZORNotifyTarget* GetNotifyTarget() const { return target_; }

private:
    ZORNotifyTarget* target_ = nullptr;
};

// A target that records every notification it receives (tests, the CLI's trace).
class ZORRecordingTarget : public ZORNotifyTarget {
public:
    struct Record {
        int kind;
        long code;
        bool hadData;
    };
    std::vector<Record> records;

protected:
    bool OnNotify(int kind, long code, ZORNotifyObject::CNotifyData* data) override;
};
