// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Keeps a slider and its spin box in step without echo: each flag is set while the handler
// of its control runs.
struct SyncGuard {
    bool from_slider = false;
    bool from_spin = false;
};

// Slider side of a pair: mirror the new position into the spin box unless the spin box
// started this change, then refresh a live preview. The refresh happens here only, so one
// change of either control refreshes once.
template <typename MirrorToSpin, typename Refresh>
void slider_moved(SyncGuard &guard, MirrorToSpin &&mirror_to_spin, bool live, Refresh &&refresh)
{
    const bool spin_started = guard.from_spin;
    guard.from_slider = true;
    if (!spin_started)
        mirror_to_spin();
    if (live)
        refresh();
    guard.from_slider = false;
}

// Spin-box side of a pair: move the slider unless the slider started this change.
template <typename MirrorToSlider>
void spin_changed(SyncGuard &guard, MirrorToSlider &&mirror_to_slider)
{
    if (guard.from_slider)
        return;
    guard.from_spin = true;
    mirror_to_slider();
    guard.from_spin = false;
}
