; the .incbin file must survive being named as the output
        .data
        .incbin "incl/blob.bin"
