; searched like .include: as given, then in the -I directories; the bytes
; are the file's whatever the model's byte order
        .data
        .incbin "found.bin"
        .incbin "bins/found.bin", 1
