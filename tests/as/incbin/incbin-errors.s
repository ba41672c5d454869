; missing and unusable files, a skip or count outside the file, operands
; that are not what .incbin takes
        .data
        .incbin "missing.bin"
        .incbin "bins"
        .incbin bytes.bin
        .incbin
        .incbin "bytes.bin", 17
        .incbin "bytes.bin", -1
        .incbin "bytes.bin", 10, 7
        .incbin "bytes.bin", 0, -1
        .incbin "bytes.bin", later
        .incbin "bytes.bin", 0, 1, 2
        .incbin "bytes.bin" 1
        .byte 0x01
later:
