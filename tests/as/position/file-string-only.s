; .file with only a name warns and is ignored: no source-level line table
        .file "a.c"
        .data
        .byte 0x01
