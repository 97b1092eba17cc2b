#pragma once
// The assistant's controls as plain state, so every rule about them runs without a window toolkit.
// Texts are UTF-8, as shown; the window binds each control by its name and mirrors this state.

#include <cstddef>
#include <string>
#include <vector>

namespace zw {

struct TEdit {
    std::string Text;
    size_t SelStart = 0;   // caret position in bytes of Text
    size_t SelLength = 0;  // bytes selected from SelStart on
};

struct TCheckBox {
    bool Checked = false;
};

// A list box or a drop-down list; ItemIndex -1 means nothing is selected.
struct TListBox {
    std::vector<std::string> Items;
    int ItemIndex = -1;

    bool hasSelection() const { return ItemIndex >= 0 && static_cast<size_t>(ItemIndex) < Items.size(); }
    std::string selectedText() const { return hasSelection() ? Items[static_cast<size_t>(ItemIndex)] : std::string(); }
    void clear() {
        Items.clear();
        ItemIndex = -1;
    }
};

// A drop-down whose edit part may also hold a text that is not one of its items.
struct TComboBox {
    std::vector<std::string> Items;
    int ItemIndex = -1;
    std::string Text;

    void select(int index) {
        ItemIndex = index;
        Text = index >= 0 && static_cast<size_t>(index) < Items.size() ? Items[static_cast<size_t>(index)] : Text;
    }
};

struct TCheckListBox {
    std::vector<std::string> Items;
    std::vector<bool> Checked;  // one per item
    int ItemIndex = -1;

    void setItems(std::vector<std::string> items) {
        Items = std::move(items);
        Checked.assign(Items.size(), false);
    }
    void clearChecks() { Checked.assign(Items.size(), false); }
    bool anyChecked() const {
        for (bool c : Checked)
            if (c) return true;
        return false;
    }
};

}  // namespace zw
