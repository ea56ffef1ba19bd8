-- The clubs as the 2014 gameday data names them, with their codes on each data source.
--   file_code       gameday file code (away_file_code / home_file_code of the scoreboard)
--   team_city       the scoreboard's city text, shown in the favourite-team list
--   team_name       the club's name as FanGraphs writes it
--   city_name       the city from which the team-site host is built (newyork.yankees)
--   espn_file_code  ESPN's team code (roster pages)
--   espn_team_id    ESPN's team id (batter-versus-pitcher pages)
CREATE TABLE Teams (
  file_code      TEXT NOT NULL,
  team_city      TEXT NOT NULL,
  team_name      TEXT NOT NULL,
  city_name      TEXT NOT NULL,
  espn_file_code TEXT NOT NULL,
  espn_team_id   TEXT NOT NULL
);

INSERT INTO Teams VALUES
  ('ari', 'Arizona',       'Diamondbacks', 'Arizona',       'ari', '29'),
  ('atl', 'Atlanta',       'Braves',       'Atlanta',       'atl', '15'),
  ('bal', 'Baltimore',     'Orioles',      'Baltimore',     'bal', '1'),
  ('bos', 'Boston',        'Red Sox',      'Boston',        'bos', '2'),
  ('chc', 'Chi Cubs',      'Cubs',         'Chicago',       'chc', '16'),
  ('cws', 'Chi White Sox', 'White Sox',    'Chicago',       'chw', '4'),
  ('cin', 'Cincinnati',    'Reds',         'Cincinnati',    'cin', '17'),
  ('cle', 'Cleveland',     'Indians',      'Cleveland',     'cle', '5'),
  ('col', 'Colorado',      'Rockies',      'Colorado',      'col', '27'),
  ('det', 'Detroit',       'Tigers',       'Detroit',       'det', '6'),
  ('hou', 'Houston',       'Astros',       'Houston',       'hou', '18'),
  ('kc',  'Kansas City',   'Royals',       'Kansas City',   'kc',  '7'),
  ('ana', 'LA Angels',     'Angels',       'Los Angeles',   'laa', '3'),
  ('la',  'LA Dodgers',    'Dodgers',      'Los Angeles',   'lad', '19'),
  ('mia', 'Miami',         'Marlins',      'Miami',         'mia', '28'),
  ('mil', 'Milwaukee',     'Brewers',      'Milwaukee',     'mil', '8'),
  ('min', 'Minnesota',     'Twins',        'Minnesota',     'min', '9'),
  ('nym', 'NY Mets',       'Mets',         'New York',      'nym', '21'),
  ('nyy', 'NY Yankees',    'Yankees',      'New York',      'nyy', '10'),
  ('oak', 'Oakland',       'Athletics',    'Oakland',       'oak', '11'),
  ('phi', 'Philadelphia',  'Phillies',     'Philadelphia',  'phi', '22'),
  ('pit', 'Pittsburgh',    'Pirates',      'Pittsburgh',    'pit', '23'),
  ('sd',  'San Diego',     'Padres',       'San Diego',     'sd',  '25'),
  ('sf',  'San Francisco', 'Giants',       'San Francisco', 'sf',  '26'),
  ('sea', 'Seattle',       'Mariners',     'Seattle',       'sea', '12'),
  ('stl', 'St. Louis',     'Cardinals',    'St. Louis',     'stl', '24'),
  ('tb',  'Tampa Bay',     'Rays',         'Tampa Bay',     'tb',  '30'),
  ('tex', 'Texas',         'Rangers',      'Texas',         'tex', '13'),
  ('tor', 'Toronto',       'Blue Jays',    'Toronto',       'tor', '14'),
  ('was', 'Washington',    'Nationals',    'Washington',    'wsh', '20');
