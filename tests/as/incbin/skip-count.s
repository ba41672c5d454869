; the whole file, the tail after a skip, a piece of it, and nothing at
; either end; a label after them lies where their bytes end
        .set SKIP, 1
        .data
        .incbin "bytes.bin"
        .incbin "bytes.bin", 12
        .incbin "bytes.bin", 3, 2
        .incbin "bytes.bin", 16
        .incbin "bytes.bin", 4, 0
        .incbin "bytes.bin", SKIP, SKIP + 1
after:  .byte 0xff
