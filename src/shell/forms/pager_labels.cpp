#include "shell/forms/pager_labels.h"

namespace cpe {

std::vector<int> PagerLabels(int count, int current) {
    std::vector<int> labels;
    if (count <= 0) {
        return labels;
    }
    if (count <= kPagerMaxButtons) {
        for (int i = 1; i <= count; ++i) {
            labels.push_back(i);
        }
        return labels;
    }
    labels.push_back(1);
    if (current <= 4) {
        labels.insert(labels.end(), {2, 3, 4, 5, kPagerEllipsis});
    } else if (current < count - 3) {
        labels.insert(labels.end(), {kPagerEllipsis, current - 1, current, current + 1, kPagerEllipsis});
    } else {
        labels.insert(labels.end(), {kPagerEllipsis, count - 4, count - 3, count - 2, count - 1});
    }
    labels.push_back(count);
    return labels;
}

bool PagerSelectable(int label, int current) {
    return label != kPagerEllipsis && label != current;
}

} // namespace cpe
