; the name as given first, then the -I directories from the last given to
; the first
        .data
        .include "both.inc"
        .include "here.inc"
        .include "only-a.inc"
        .include "sub/deep.inc"
