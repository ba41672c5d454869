; a section just under 4 GiB leaves no room for the rest of the object:
; refused at layout, before anything is allocated or written
        .data
        .skip 0xffffff00
