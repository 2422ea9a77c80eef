// Makes tests/data/import/anki/exported.apkg with the npm package anki-apkg-export (one deck of
// Basic notes in the older layout: collection.anki2, JSON note types).
const fs = require('fs');
const { default: AnkiExport } = require('anki-apkg-export');
const apkg = new AnkiExport('Français');
apkg.addMedia('cat.png', Buffer.from([0x89, 0x50, 0x4e, 0x47]));
apkg.addCard('<b>le chat</b> <img src="cat.png">', 'the&nbsp;cat [sound:chat.mp3]');
apkg.addCard('l&rsquo;&eacute;t&eacute;', 'the<br>summer');
apkg.addCard('{{c1::Paris}} est la capitale', 'capital &amp; city');
apkg.addCard('&nbsp;', 'nothing in front');
apkg.save().then(zip => fs.writeFileSync(process.argv[2], zip, 'binary'));
