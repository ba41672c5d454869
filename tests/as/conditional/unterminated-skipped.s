; skipping a false branch stops at the end of the file, where the blocks
; it passed into are reported too
        .data
        .if 0
        .byte 1
        .rept 3
        .byte 2
