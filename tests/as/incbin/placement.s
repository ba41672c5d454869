; .incbin places bytes in a data section and never inside a paragraph
        .incbin "bytes.bin"
        .text
        .incbin "bytes.bin"
start:
        jmp start
        .incbin "bytes.bin"
        complete
