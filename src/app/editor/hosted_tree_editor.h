#pragma once

#include "core/tree/tree_operations.h"

namespace oxlin::app {

class EditorHost;

// The editor host as the tree operations see it. `host` must outlive the adapter.
class HostedTreeEditor final : public tree::TreeEditor {
public:
    explicit HostedTreeEditor(EditorHost& host) : host_(host) {}
    tree::ItemHandle currentItem() const override;
    bool saveTopic() override;
    void closeWithoutSaving() override;
    void repoint(tree::ItemHandle item) override;
    quint32 viewPosition() const override;
    bool loadTopic(tree::ItemHandle item) override;
    void restoreViewPosition(quint32 position) override;

private:
    EditorHost& host_;
};

} // namespace oxlin::app
