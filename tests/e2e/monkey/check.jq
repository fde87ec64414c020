# The inconsistencies in a state that settings_monkey reports, one text each; none when the
# state is consistent. Use: include "check"; .state | problems

def level($index): if $index == 1 then "jsLeft" elif $index == 0 then "jsRight" else "none" end;

def problems:
  .options as $o
  | (
      # A digital-level jumper shows the level that its option group selects.
      (["0", "1"][] as $n
       | $o.jumpers["TTLJumper" + $n] as $jumper
       | $o.radioGroups["TTLRadios" + $n] as $group
       | select($jumper != level($group.itemIndex))
       | "TTLJumper\($n) shows \($jumper) while TTLRadios\($n) selects item \($group.itemIndex)"),
      # A radio group shows the item that it says is selected.
      ($o.radioGroups | to_entries[] | select(.value.shown != .value.itemIndex)
       | "\(.key) has item \(.value.itemIndex) selected but shows item \(.value.shown)"),
      # Both range jumpers show one range, the one that the checked option means.
      (select($o.jumpers.RangeJumper0 != $o.jumpers.RangeJumper1)
       | "RangeJumper0 shows \($o.jumpers.RangeJumper0) but RangeJumper1 \($o.jumpers.RangeJumper1)"),
      ($o.radioButtons as $b | $o.jumpers.RangeJumper0 as $range
       | select(($range == "jsLeft" and $b.B5Radio and ($b.U10Radio | not))
                or ($range == "jsRight" and $b.U10Radio and ($b.B5Radio | not)) | not)
       | "RangeJumper0 shows \($range) while B5Radio is \($b.B5Radio) and U10Radio \($b.U10Radio)"),
      # A group has one popup window at most.
      (.popups | group_by([.caption, .tag])[] | select(length > 1)
       | "\(length) popup windows captioned \(.[0].caption) with tag \(.[0].tag)"),
      # The circle that owns a window: its menu item is checked only while it is pinned, and a
      # pinned window on screen has its item checked (a hidden window may stay pinned).
      (.circles[] | select(.popup != null and .checked == true and (.pinned | not))
       | "\(.name): menu item checked but the window is not pinned"),
      (.circles[] | select(.popup.visible == true and .pinned and .checked != true)
       | "\(.name): pinned window on screen but its menu item is not checked"),
      # A group is lit exactly while its window is on screen.
      (.circles | group_by(.group)[]
       | (map(select(.popup != null)) | first | .popup.visible // false) as $shown
       | .[] | select(.lit != $shown)
       | "\(.name): lit is \(.lit) while its group's window \(if $shown then "shows" else "is hidden" end)"),
      (select(.mainVisible | not) | "the main window is not visible"),
      (select(.modal != "") | "a modal box is open: \(.modal)")
    );
